// The layout check of the tweak-panel tests: a panel's controls stand in their designed
// rows, top to bottom and left to right, inside the panel, without overlapping, none
// squeezed below its minimum height and every wrapped label tall enough for its text.
#pragma once

#include "TweakPanel.h"
#include "Unit1.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>

#include <algorithm>
#include <vector>

struct DesignedPanel {
    const char* name;
    // Rows top to bottom; the controls of one row stand side by side, left to right.
    std::vector<std::vector<const char*>> rows;
};

inline QRect placeIn(const QWidget* panel, const QWidget* widget)
{
    return {widget->mapTo(panel, QPoint(0, 0)), widget->size()};
}

// Shows the panel and checks it; failures name the panel and the control.
inline void expectDesignedLayout(TForm1& form, const DesignedPanel& designed)
{
    SCOPED_TRACE(designed.name);
    form.buildAllPanels();
    auto* panel = form.panelArea()->findChild<QGroupBox*>(QLatin1String(designed.name));
    ASSERT_NE(panel, nullptr);
    form.HideAllPanels();
    panel->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(panel->geometry(), TweakPanel::designedPlace());

    std::vector<const QWidget*> all;
    int previousBottom = -1;
    for (const auto& row : designed.rows) {
        int rowBottom = previousBottom;
        int previousRight = -1;
        for (const char* name : row) {
            SCOPED_TRACE(name);
            const QWidget* widget = form.panelArea()->findChild<QWidget*>(QLatin1String(name));
            ASSERT_NE(widget, nullptr);
            ASSERT_TRUE(widget->isVisible());
            const QRect place = placeIn(panel, widget);
            EXPECT_TRUE(panel->contentsRect().contains(place))
                << "at " << place.x() << "," << place.y() << " size " << place.width() << "x"
                << place.height();
            EXPECT_GT(place.top(), previousBottom);
            EXPECT_GT(place.left(), previousRight);
            // A row squeezed below its minimum cuts its text or box off.
            EXPECT_GE(widget->height(), widget->minimumSizeHint().height());
            if (auto* label = qobject_cast<const QLabel*>(widget); label && label->wordWrap()) {
                EXPECT_GE(label->height(), label->heightForWidth(label->width()));
            }
            previousRight = place.right();
            rowBottom = std::max(rowBottom, place.bottom());
            all.push_back(widget);
        }
        previousBottom = rowBottom;
    }
    for (const QWidget* a : all) {
        for (const QWidget* b : all) {
            if (a < b) {
                EXPECT_FALSE(placeIn(panel, a).intersects(placeIn(panel, b)))
                    << a->objectName().toStdString() << " overlaps " << b->objectName().toStdString();
            }
        }
    }
}
