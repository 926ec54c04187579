#pragma once

#include <QWidget>

class QListWidget;
class QVBoxLayout;
class QPushButton;

// Groups with titles, each holding a list of items; one group is open at a
// time. Reports a left-button press anywhere and item clicks with group and
// item index.
class OutlookBar : public QWidget {
    Q_OBJECT

public:
    explicit OutlookBar(const QString& name, QWidget* parent = nullptr);

    int addGroup(const QString& title);
    void addItem(int group, const QString& text, const QIcon& icon = {});
    int groupCount() const { return static_cast<int>(groups_.size()); }
    int itemCount(int group) const;
    int currentGroup() const { return current_; }
    void setCurrentGroup(int group);
    int currentItem() const;
    // Makes the item current in its group (and the group current); item -1 leaves no current item.
    void setCurrentItem(int group, int item);
    QString groupTitle(int group) const;
    QString itemText(int group, int item) const;
    // Removes every group.
    void clear();
    // Acts as an operator's click on the item.
    void clickItem(int group, int item);

signals:
    void pressed();
    void itemClicked(int group, int item);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Group {
        QPushButton* button;
        QListWidget* items;
    };
    std::vector<Group> groups_;
    QVBoxLayout* layout_;
    int current_ = -1;
};
