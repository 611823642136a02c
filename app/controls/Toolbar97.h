// A one-row toolbar that sits in a Dock97: a grip at its left edge, then its buttons.
// Dragging the grip moves the toolbar along its dock row; dockAt() puts it back.
#pragma once

#include <QFrame>

class QHBoxLayout;
class QToolButton;

class Toolbar97 : public QFrame {
    Q_OBJECT
public:
    explicit Toolbar97(const QString& caption, QWidget* parent = nullptr);

    QString caption() const { return m_caption; }

    void addButton(QToolButton* button);
    void addSeparator();

    // The toolbar's left edge within its dock row.
    int dockPos() const { return x(); }
    // Docks the toolbar at that position of its dock's single row (row is always 0).
    void dockAt(int row, int position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr int GripWidth = 9;

    QString m_caption;
    QHBoxLayout* m_layout;
    bool m_dragging = false;
    int m_grabX = 0;
};
