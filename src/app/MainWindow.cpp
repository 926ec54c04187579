#include "MainWindow.h"

#include "AppContext.h"
#include "SectionEntry.h"
#include "StartupSequence.h"
#include "SingleInstance.h"
#include "StartPicture.h"

#include "customers/CustomersPage.h"
#include "products/WarehousePage.h"
#include "query/QueryPage.h"
#include "sales/SalesPage.h"
#include "settings/SettingsPage.h"
#include "settings/SkinEngine.h"
#include "ui/Prompter.h"
#include "ui/WorkProgress.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>

namespace {

const char16_t* const kPageCaptions[MainWindow::kPageCount] = {u"销售录入", u"仓库管理", u"客户资料", u"数据查询",
                                                                u"参数设置"};

struct ToolbarButton {
    int position;
    const char16_t* caption;
    QStyle::StandardPixmap icon;
};

const ToolbarButton kButtons[] = {
    {1, u"销售出库", QStyle::SP_DialogApplyButton}, {3, u"仓库管理", QStyle::SP_DirHomeIcon},
    {5, u"客户资料", QStyle::SP_FileDialogContentsView}, {7, u"销售查询", QStyle::SP_FileDialogDetailedView},
    {9, u"参数设置", QStyle::SP_ComputerIcon},
};

} // namespace

MainWindow::MainWindow(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setWindowTitle(kTitle);
    setGeometry(50, 50, 1024, 800);
    setFixedSize(1024, 800);

    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName(QStringLiteral("工具条1"));
    toolbar_->setGeometry(0, -1, 1018, 60);
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar_->setIconSize(QSize(24, 24));
    for (const ToolbarButton& b : kButtons) {
        QAction* action = toolbar_->addAction(style()->standardIcon(b.icon), QString::fromUtf16(b.caption));
        action->setObjectName(QString::fromUtf16(b.caption));
        connect(action, &QAction::triggered, this, [this, p = b.position] { OnToolbarClick(p); });
        toolbar_->addSeparator();
    }

    startPicture_ = new QLabel(this);
    startPicture_->setObjectName(QStringLiteral("图片框6"));
    startPicture_->setGeometry(333, 128, 300, 400);
    startPicture_->setPixmap(DrawStartPicture(QSize(300, 400)));

    startCaption_ = new QLabel(QStringLiteral("您的打赏是我更新的动力！"), this);
    startCaption_->setObjectName(QStringLiteral("透明标签60"));
    startCaption_->setGeometry(328, 576, 336, 48);
    startCaption_->setAlignment(Qt::AlignCenter);
    startCaption_->setAttribute(Qt::WA_TranslucentBackground);
    QFont captionFont = startCaption_->font();
    captionFont.setPointSize(14);
    startCaption_->setFont(captionFont);

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("高级选择夹1"));
    pages_->setGeometry(0, 58, 1015, 695);
    for (int i = 0; i < kPageCount; ++i) {
        auto* placeholder = new QWidget;
        placeholder->setObjectName(QString::fromUtf16(kPageCaptions[i]));
        pages_->addTab(placeholder, QString::fromUtf16(kPageCaptions[i]));
    }
    pages_->hide();
    sales_ = new SalesPage(ctx_);
    setPage(0, sales_);
    warehouse_ = new WarehousePage(ctx_);
    setPage(1, warehouse_);
    customers_ = new CustomersPage(ctx_);
    setPage(2, customers_);
    sales_->setCustomerCountLabel(customers_->customerCountLabel());
    query_ = new QueryPage(ctx_);
    setPage(3, query_);
    skins_ = std::make_unique<SkinEngine>();
    settings_ = new SettingsPage(ctx_, *skins_);
    setPage(4, settings_);
    sections_ = std::make_unique<SectionEntry>(ctx_, *this);

    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("状态条1"));
    statusBar_->setGeometry(0, 755, 1018, 20);
    statusBar_->setSizeGripEnabled(false);
    auto* statusText = new QLabel(QStringLiteral("岚丰软件-岚丰销售管理系统    作者：岚丰软件工作室"), statusBar_);
    statusText->setObjectName(QStringLiteral("状态条1_文本"));
    statusBar_->addWidget(statusText, 1);
    auto* progress = new QProgressBar(statusBar_);
    progress->setObjectName(QStringLiteral("进度条"));
    progress->setFixedWidth(240);
    statusBar_->addPermanentWidget(progress);
    WorkProgress::attachBar(progress);
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::page(int index) const { return pages_->widget(index); }

void MainWindow::setPage(int index, QWidget* page) {
    if (index < 0 || index >= kPageCount)
        return;
    int current = pages_->currentIndex();
    QWidget* old = pages_->widget(index);
    pages_->removeTab(index);
    pages_->insertTab(index, page, QString::fromUtf16(kPageCaptions[index]));
    delete old;
    pages_->setCurrentIndex(current);
}

MainWindow::Start MainWindow::OnMainWindowCreated() {
    if (!ctx_.singleInstanceName.isEmpty()) {
        if (!singleInstance_.EnsureSingleInstance(ctx_.singleInstanceName, QStringLiteral("检测到已有相同程序运行，请勿多开！"),
                                                  MessageIcon::Information, ctx_.prompter))
            return Start::AnotherCopy;
    }
    pages_->move(0, 58);
    const bool loggedIn = RunStartupSequence(ctx_, *skins_);
    // The tab strip is switched off: pages change only through the toolbar.
    pages_->tabBar()->hide();
    return loggedIn ? Start::Run : Start::LoginCancelled;
}

void MainWindow::OnToolbarClick(int position) {
    pages_->show();
    sections_->Enter(position);
}

void MainWindow::ShowSection(int page) { pages_->setCurrentIndex(page); }
