#pragma once

class SqliteDB;

// A shop that has used the program for years, from a fixed seed: products in
// categories, customers with top-ups, and sales over three years, every value
// stored as the program stores it.
struct ShopSize {
    int products = 20000;
    int productCategories = 50;
    int customers = 2000;
    int customerCategories = 20;
    int topUps = 20000;
    int sales = 200000;
};

bool GenerateShop(SqliteDB& db, const ShopSize& size);
