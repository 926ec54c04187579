#pragma once

#include <QIcon>
#include <QTreeWidget>

// A tree whose items carry an integer value and an image index. A selection
// change is reported together with whether the mouse made it.
class TreeControl : public QTreeWidget {
    Q_OBJECT

public:
    explicit TreeControl(const QString& name, QWidget* parent = nullptr);

    void setImages(const QList<QIcon>& images) { images_ = images; }
    QTreeWidgetItem* addItem(QTreeWidgetItem* parent, const QString& text, int image, qint64 value);
    static qint64 itemValue(const QTreeWidgetItem* item);
    QTreeWidgetItem* selectedItem() const;
    QList<QTreeWidgetItem*> rootItems() const;
    void clearTree();

signals:
    void selectionChangedBy(QTreeWidgetItem* item, bool byMouse);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QList<QIcon> images_;
    bool mouseActive_ = false;
};
