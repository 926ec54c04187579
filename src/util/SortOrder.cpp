#include "SortOrder.h"

#include "ChineseText.h"
#include "Gbk.h"
#include "TextForms.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

namespace SortOrder {

namespace {

// A row's key prepared once for its mode.
struct Key {
    double number = 0; // numeric and date modes
    int rank = 0;      // text mode: place of the bytes among all distinct keys
};

QString trimSpaces(const QString& text) {
    qsizetype start = 0, end = text.size();
    auto isSpace = [](QChar c) { return c == QLatin1Char(' ') || c.unicode() == 0x3000; };
    while (start < end && isSpace(text[start]))
        ++start;
    while (end > start && isSpace(text[end - 1]))
        --end;
    return text.mid(start, end - start);
}

std::vector<Key> prepareKeys(const QStringList& texts, int mode, bool caseSensitive,
                             const std::function<void()>& tick) {
    std::vector<Key> keys(texts.size());
    std::vector<QByteArray> bytes;
    if (mode != Numeric && mode != Date)
        bytes.resize(texts.size());
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (tick && i % 4096 == 0)
            tick();
        QString key = trimSpaces(texts[i]);
        if (mode == Numeric)
            keys[i].number = TextForms::toNumber(key);
        else if (mode == Date)
            keys[i].number = TextForms::toDateTime(key);
        else
            bytes[i] = Gbk::fromUnicode(caseSensitive ? key : key.toLower());
    }
    if (!bytes.empty()) {
        // Byte order is a total order, so each text can be replaced by its rank:
        // the insertion then compares integers instead of strings.
        std::vector<int> byBytes(bytes.size());
        std::iota(byBytes.begin(), byBytes.end(), 0);
        quint32 comparisons = 0; // a long sort still lets the window repaint now and then
        std::sort(byBytes.begin(), byBytes.end(), [&](int a, int b) {
            if (tick && ++comparisons % 16384 == 0)
                tick();
            return ChineseText::compareGbkBytes(bytes[a], bytes[b]) < 0;
        });
        int rank = 0;
        for (size_t i = 0; i < byBytes.size(); ++i) {
            if (i > 0 && ChineseText::compareGbkBytes(bytes[byBytes[i - 1]], bytes[byBytes[i]]) != 0)
                ++rank;
            keys[byBytes[i]].rank = rank;
        }
    }
    return keys;
}

// Negative, zero or positive in the mode's sense; numbers and dates are equal
// within the tolerance.
int compare(const Key& a, const Key& b, int mode) {
    if (mode == Numeric || mode == Date) {
        double d = a.number - b.number;
        if (std::fabs(d) <= TextForms::kTolerance)
            return 0;
        return d < 0 ? -1 : 1;
    }
    return (a.rank > b.rank) - (a.rank < b.rank);
}

// The insertion position (1-based) of key among k sorted keys; keyAt(i) gives the i-th (1-based).
template <typename KeyAt>
int insertionPosition(const Key& key, int k, int mode, KeyAt keyAt) {
    if (k == 0)
        return 1;
    if (compare(key, keyAt(k), mode) >= 0)
        return k + 1;
    if (compare(key, keyAt(1), mode) <= 0)
        return 1;
    int lo = 1, hi = k;
    while (lo < hi - 1) {
        int mid = (lo + hi) / 2;
        int c = compare(key, keyAt(mid), mode);
        if (c == 0) {
            lo = mid;
            break;
        }
        if (c < 0)
            hi = mid;
        else
            lo = mid;
    }
    return lo + 1;
}

// A sequence with position access and insertion in logarithmic time (an
// implicit treap), holding row indexes.
class Sequence {
public:
    explicit Sequence(size_t capacity) {
        nodes_.reserve(capacity + 1);
        nodes_.push_back({}); // node 0 is "none"
    }

    int size() const { return nodes_[root_].size; }

    // The row at 1-based position.
    int at(int position) const {
        int node = root_;
        while (node) {
            int leftSize = nodes_[nodes_[node].left].size;
            if (position <= leftSize) {
                node = nodes_[node].left;
            } else if (position == leftSize + 1) {
                return nodes_[node].row;
            } else {
                position -= leftSize + 1;
                node = nodes_[node].right;
            }
        }
        return -1;
    }

    // Inserts row so that it becomes the element at 1-based position.
    void insert(int position, int row) {
        nodes_.push_back({0, 0, 1, static_cast<unsigned>(random_()), row});
        int node = static_cast<int>(nodes_.size()) - 1;
        auto [left, right] = split(root_, position - 1);
        root_ = merge(merge(left, node), right);
    }

    void collect(std::vector<int>& out) const { inOrder(root_, out); }

private:
    struct Node {
        int left = 0, right = 0, size = 0;
        unsigned priority = 0;
        int row = -1;
    };

    void refresh(int n) { nodes_[n].size = 1 + nodes_[nodes_[n].left].size + nodes_[nodes_[n].right].size; }

    // Splits into the first count elements and the rest.
    std::pair<int, int> split(int n, int count) {
        if (!n)
            return {0, 0};
        int leftSize = nodes_[nodes_[n].left].size;
        if (count <= leftSize) {
            auto [a, b] = split(nodes_[n].left, count);
            nodes_[n].left = b;
            refresh(n);
            return {a, n};
        }
        auto [a, b] = split(nodes_[n].right, count - leftSize - 1);
        nodes_[n].right = a;
        refresh(n);
        return {n, b};
    }

    int merge(int a, int b) {
        if (!a || !b)
            return a ? a : b;
        if (nodes_[a].priority > nodes_[b].priority) {
            nodes_[a].right = merge(nodes_[a].right, b);
            refresh(a);
            return a;
        }
        nodes_[b].left = merge(a, nodes_[b].left);
        refresh(b);
        return b;
    }

    void inOrder(int n, std::vector<int>& out) const {
        // Iterative, so a degenerate shape cannot overflow the stack.
        std::vector<int> stack;
        while (n || !stack.empty()) {
            while (n) {
                stack.push_back(n);
                n = nodes_[n].left;
            }
            n = stack.back();
            stack.pop_back();
            out.push_back(nodes_[n].row);
            n = nodes_[n].right;
        }
    }

    std::vector<Node> nodes_;
    int root_ = 0;
    std::mt19937 random_{12345};
};

} // namespace

std::vector<int> insertionOrder(const QStringList& texts, int mode, bool caseSensitive,
                                const std::function<void()>& tick) {
    const std::vector<Key> keys = prepareKeys(texts, mode, caseSensitive, tick);
    Sequence sorted(keys.size());
    for (int r = 0; r < static_cast<int>(keys.size()); ++r) {
        if (tick && r % 4096 == 0)
            tick();
        int p = insertionPosition(keys[r], sorted.size(), mode, [&](int i) -> const Key& { return keys[sorted.at(i)]; });
        sorted.insert(p, r);
    }
    std::vector<int> order;
    order.reserve(keys.size());
    sorted.collect(order);
    return order;
}

std::vector<int> insertionOrderByArrays(const QStringList& texts, int mode, bool caseSensitive) {
    const std::vector<Key> keys = prepareKeys(texts, mode, caseSensitive, {});
    std::vector<int> order;
    for (int r = 0; r < static_cast<int>(keys.size()); ++r) {
        int k = static_cast<int>(order.size());
        int p = insertionPosition(keys[r], k, mode, [&](int i) -> const Key& { return keys[order[i - 1]]; });
        order.insert(order.begin() + (p - 1), r);
    }
    return order;
}

} // namespace SortOrder
