#include "TweakPanel.h"

#include "Application.h"
#include "Messages.h"
#include "Unit1.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

TweakPanel::TweakPanel(TForm1& form, const QString& groupBoxName, const QString& caption)
    : QGroupBox(caption, form.panelArea()), m_form(form), m_column(new QVBoxLayout(this))
{
    setObjectName(groupBoxName);
    setGeometry(designedPlace());
    m_column->setContentsMargins(8, 6, 8, 8);
    m_column->setSpacing(6);
    hide();
}

void TweakPanel::ShowPanel()
{
    m_form.HideAllPanels();
    show();
}

void TweakPanel::information(const QString& text)
{
    Messages::information(text);
}

int TweakPanel::insertionPoint() const
{
    // Once the bottom pair is placed the column ends in [stretch, buttons]; later
    // controls go above both so that the buttons stay at the bottom.
    return m_buttons ? m_column->count() - 2 : m_column->count();
}

void TweakPanel::CancelClick()
{
    Application::requestTerminate();
}

void TweakPanel::appendToColumn(QWidget* control)
{
    m_column->insertWidget(insertionPoint(), control);
}

void TweakPanel::placeRow(std::initializer_list<QWidget*> controls)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    for (QWidget* control : controls)
        row->addWidget(control);
    m_column->insertLayout(insertionPoint(), row);
}

void TweakPanel::addStretch()
{
    m_column->insertStretch(insertionPoint(), 1);
}

void TweakPanel::placeOkCancel(OfficeButton*& okButton, const char* okName,
                               OfficeButton*& cancelButton, const char* cancelName,
                               const QString& okCaption)
{
    okButton = create<OfficeButton>(okName, okCaption);
    cancelButton = create<OfficeButton>(cancelName, QStringLiteral("C&ancel"));
    setHint(okButton, okHint());
    setHint(cancelButton, cancelHint());
    connectHandler(cancelButton, &OfficeButton::clicked, this, &TweakPanel::CancelClick);

    m_column->addStretch(1);
    m_buttons = new QHBoxLayout;
    m_buttons->addWidget(okButton);
    m_buttons->addStretch(1);
    m_buttons->addWidget(cancelButton);
    m_column->addLayout(m_buttons);
}

void TweakPanel::setHint(OfficeButton* button, const QString& hint)
{
    connect(button, &OfficeButton::mouseMove, this, [this, hint] { m_form.setStatusText(hint); });
}
