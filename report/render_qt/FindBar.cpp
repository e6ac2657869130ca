#include "report/render_qt/FindBar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace tarvela {

FindBar::FindBar(QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit(this)), fold_(new QCheckBox(QStringLiteral("Bez diakritiky"), this)),
      position_(new QLabel(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(new QLabel(QStringLiteral("Hledat:"), this));
    edit_->setObjectName("findText");
    layout->addWidget(edit_, 1);
    fold_->setObjectName("findFolded");
    fold_->setToolTip(QStringLiteral("Nerozlišovat velká a malá písmena ani diakritiku"));
    layout->addWidget(fold_);
    position_->setMinimumWidth(position_->fontMetrics().horizontalAdvance("Nenalezeno"));
    layout->addWidget(position_);
    auto* close = new QToolButton(this);
    close->setText(QStringLiteral("×"));
    close->setToolTip(QStringLiteral("Zavřít hledání (Esc)"));
    close->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(close);
    connect(edit_, &QLineEdit::textChanged, this, &FindBar::searchChanged);
    connect(fold_, &QCheckBox::toggled, this, &FindBar::searchChanged);
    connect(edit_, &QLineEdit::returnPressed, this, &FindBar::nextWanted);
    connect(close, &QToolButton::clicked, this, [this] {
        hide();
        emit closed();
    });
    hide();
}

QString FindBar::text() const
{
    return edit_->text();
}

bool FindBar::ignoresCaseAndAccents() const
{
    return fold_->isChecked();
}

void FindBar::showPosition(int current, int count)
{
    if (edit_->text().isEmpty())
        position_->clear();
    else if (count == 0)
        position_->setText(QStringLiteral("Nenalezeno"));
    else
        position_->setText(QStringLiteral("%1 z %2").arg(current).arg(count));
}

void FindBar::open()
{
    show();
    edit_->setFocus();
    edit_->selectAll();
}

void FindBar::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        hide();
        emit closed();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace tarvela
