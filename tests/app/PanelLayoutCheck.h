// The layout checks of the tweak-panel tests. expectDesignedLayout: a panel's controls
// stand in their designed rows, top to bottom and left to right, inside the panel,
// without overlapping, none squeezed below its minimum height and every wrapped label
// tall enough for its text. expectControlsFit: the controls found in a panel stand
// inside it without overlapping, every wrapped label tall enough for its text.
#pragma once

#include "TweakPanel.h"
#include "Unit1.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>

#include <algorithm>
#include <functional>
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

// The panel of that name, built and shown alone in the panel area; nullptr if none.
inline QGroupBox* showPanel(TForm1& form, const char* name)
{
    form.buildAllPanels();
    auto* panel = form.panelArea()->findChild<QGroupBox*>(QLatin1String(name));
    if (!panel)
        return nullptr;
    form.HideAllPanels();
    panel->show();
    QCoreApplication::processEvents();
    return panel;
}

inline void expectTallEnoughIfWrapped(const QWidget* widget)
{
    if (auto* label = qobject_cast<const QLabel*>(widget); label && label->wordWrap()) {
        EXPECT_GE(label->height(), label->heightForWidth(label->width()));
    }
}

// Shows the panel and checks it; failures name the panel and the control.
inline void expectDesignedLayout(TForm1& form, const DesignedPanel& designed)
{
    SCOPED_TRACE(designed.name);
    QGroupBox* panel = showPanel(form, designed.name);
    ASSERT_NE(panel, nullptr);
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
            expectTallEnoughIfWrapped(widget);
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

// Shows the panel and checks the visible controls isControl picks; checkControl adds a
// check of its own to each. A control and one inside it may overlap.
inline void expectControlsFit(TForm1& form, const char* name,
                              const std::function<bool(const QWidget*)>& isControl,
                              const std::function<void(const QWidget*)>& checkControl = {})
{
    SCOPED_TRACE(name);
    QGroupBox* panel = showPanel(form, name);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->size(), TweakPanel::designedPlace().size());

    std::vector<const QWidget*> controls;
    for (const QWidget* widget : panel->findChildren<QWidget*>())
        if (widget->isVisible() && isControl(widget))
            controls.push_back(widget);
    ASSERT_FALSE(controls.empty());
    for (const QWidget* control : controls) {
        SCOPED_TRACE(control->objectName().toStdString());
        const QRect place = placeIn(panel, control);
        EXPECT_TRUE(panel->rect().contains(place))
            << "at " << place.x() << "," << place.y() << " size " << place.width() << "x"
            << place.height();
        expectTallEnoughIfWrapped(control);
        if (checkControl)
            checkControl(control);
    }
    for (const QWidget* a : controls) {
        for (const QWidget* b : controls) {
            if (a >= b || a->isAncestorOf(b) || b->isAncestorOf(a))
                continue;
            EXPECT_FALSE(placeIn(panel, a).intersects(placeIn(panel, b)))
                << a->objectName().toStdString() << " overlaps " << b->objectName().toStdString();
        }
    }
}
