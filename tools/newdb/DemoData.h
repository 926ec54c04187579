#pragma once

#include <QDateTime>

class SqliteDB;

// Fills a new database with a small, believable shop: categories, products
// (one with unlimited stock, one that may sell below zero), customers with
// prepaid balances and their top-ups, and a few weeks of sales.
bool FillDemoData(SqliteDB& db, const QDateTime& today);
