#pragma once

#include "SingleInstance.h"

#include <QWidget>

#include <memory>

class AppContext;
class SectionEntry;
class CustomersPage;
class QueryPage;
class SalesPage;
class SettingsPage;
class SkinEngine;
class WarehousePage;
class QLabel;
class QStatusBar;
class QTabWidget;
class QToolBar;

// The main window: toolbar 工具条1, page control 高级选择夹1 (hidden until the
// first toolbar click, its tab strip switched off), status bar 状态条1, and the
// start picture with its caption.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    static inline const QString kTitle = QStringLiteral("岚丰销售管理系统");
    static constexpr int kPageCount = 5;

    explicit MainWindow(AppContext& ctx, QWidget* parent = nullptr);
    ~MainWindow() override;

    enum class Start { Run, AnotherCopy, LoginCancelled };
    // The created handler: single-instance check, start-up sequence, tab strip
    // off. Anything but Run means this copy ends.
    Start OnMainWindowCreated();

    void OnToolbarClick(int position);
    void ShowSection(int page);

    QTabWidget* pageControl() const { return pages_; }
    QWidget* page(int index) const;
    // Puts a section's real page in place of its placeholder.
    void setPage(int index, QWidget* page);
    QToolBar* toolbar() const { return toolbar_; }
    SalesPage* salesPage() const { return sales_; }
    CustomersPage* customersPage() const { return customers_; }
    QueryPage* queryPage() const { return query_; }
    SettingsPage* settingsPage() const { return settings_; }
    SkinEngine& skins() { return *skins_; }
    WarehousePage* warehousePage() const { return warehouse_; }

private:
    AppContext& ctx_;
    QToolBar* toolbar_;
    QTabWidget* pages_;
    QStatusBar* statusBar_;
    QLabel* startPicture_;
    QLabel* startCaption_;
    SingleInstance singleInstance_; // the marker is held while the window lives
    SalesPage* sales_;
    CustomersPage* customers_;
    QueryPage* query_;
    SettingsPage* settings_;
    std::unique_ptr<SkinEngine> skins_;
    WarehousePage* warehouse_;
    std::unique_ptr<SectionEntry> sections_;
};
