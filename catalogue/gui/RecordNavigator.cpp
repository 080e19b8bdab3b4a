#include "RecordNavigator.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTableView>
#include <QToolButton>

RecordNavigator::RecordNavigator(QTableView* grid, QWidget* parent)
    : QWidget(parent), m_grid(grid), m_caption(new QLabel(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto button = [&](const QString& text, const QString& name, auto row) {
        auto* b = new QToolButton(this);
        b->setText(text);
        b->setObjectName(name);
        connect(b, &QToolButton::clicked, this, [this, row] { moveTo(row()); });
        layout->addWidget(b);
    };
    const auto current = [this] { return m_grid->currentIndex().isValid() ? m_grid->currentIndex().row() : -1; };
    const auto count = [this] { return m_grid->model() ? m_grid->model()->rowCount() : 0; };
    button(QStringLiteral("|◀"), QStringLiteral("first"), [] { return 0; });
    button(QStringLiteral("◀"), QStringLiteral("previous"), [=] { return std::max(current() - 1, 0); });
    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->setFrameShape(QFrame::Panel);
    m_caption->setFrameShadow(QFrame::Sunken);
    layout->addWidget(m_caption, 1);
    button(QStringLiteral("▶"), QStringLiteral("next"), [=] { return std::min(current() + 1, count() - 1); });
    button(QStringLiteral("▶|"), QStringLiteral("last"), [=] { return count() - 1; });
}

void RecordNavigator::setCaption(const QString& text)
{
    m_caption->setText(text);
}

QString RecordNavigator::caption() const
{
    return m_caption->text();
}

void RecordNavigator::moveTo(int row)
{
    if (m_grid->model() && row >= 0 && row < m_grid->model()->rowCount())
        m_grid->selectRow(row);
}
