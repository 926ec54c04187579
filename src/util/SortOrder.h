#pragma once

#include <QStringList>

#include <functional>
#include <vector>

// The row order of the lists' column sort: rows are taken in display order and
// each is inserted into the sorted run found so far with a halving search.
// Equal keys therefore do not keep their former order: a key equal to the
// first goes in front of it, one equal to the last goes after it, one equal
// to an inner key goes right after the key the search meets.
namespace SortOrder {

enum Mode { Numeric = 0, Text = 1, Date = 2 };

// Pre-sort row index for each sorted position. Keys are trimmed of half-width
// and full-width spaces before they are compared.
// tick, when given, is called now and then during a long sort (the list uses
// it to let the window repaint).
std::vector<int> insertionOrder(const QStringList& keys, int mode, bool caseSensitive = true,
                                const std::function<void()>& tick = {});

// The same order computed by literally inserting into arrays (quadratic);
// kept as the yardstick the fast version is checked against.
std::vector<int> insertionOrderByArrays(const QStringList& keys, int mode, bool caseSensitive = true);

} // namespace SortOrder
