// Large-icon list (icon mode, 32 x 32 pictures from an ImageList). Items are identified by
// position; the text of an item is its caption.
//
// Click() and DblClick() fire for every left click / double click in the list, on an item
// or not, after the selection was updated, as the designer's OnClick and OnDblClick do;
// handlers read the selected item. A click on the empty area leaves no item selected.
#pragma once

#include <QListWidget>

class ImageList;

class ListView : public QListWidget {
    Q_OBJECT
public:
    explicit ListView(ImageList* images = nullptr, QWidget* parent = nullptr);

    // Appends an item with its picture index in the image list.
    QListWidgetItem* addEntry(const QString& caption, int imageIndex);
    // The selected item, or nullptr.
    QListWidgetItem* selected() const;
    // The position of the selected item, or -1 when none is selected.
    int selectedPosition() const;

    // Labels the user may rename in place (with F2 or a click on the selected label).
    void setEditableLabels(bool editable);
    // Automatic arrangement: icons are re-flowed whenever the list's size changes.
    void setAutoArrange(bool on);
    bool autoArrange() const;
    // Label wrapping under the icon.
    void setWrapText(bool on);
    bool wrapText() const;
    // Lays the items out again (after a change of arrangement or wrapping).
    void arrange();

signals:
    void Click();
    void DblClick();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    ImageList* m_images;
    bool m_editableLabels = false;
};
