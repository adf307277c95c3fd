#include "platform/TableCell.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QPainter>

namespace {
const QColor pressedColor(217, 217, 217);

// What assistive technology hears for a row: its own accessible name when the screen
// gave one, otherwise the texts of its labels in reading order; pressing it selects it, or
// ticks it while its table edits.
class TableCellAccessible : public QAccessibleWidget {
public:
    explicit TableCellAccessible(TableCell* cell) : QAccessibleWidget(cell, QAccessible::Button) {
        addControllingSignal(QStringLiteral("clicked(bool)"));
    }

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name || !widget()->accessibleName().isEmpty()) {
            return QAccessibleWidget::text(kind);
        }
        QList<QLabel*> labels = widget()->findChildren<QLabel*>();
        std::stable_sort(labels.begin(), labels.end(), [](QLabel* a, QLabel* b) {
            return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
        });
        QStringList texts;
        for (QLabel* label : std::as_const(labels)) {
            if (!label->isHidden() && !label->text().isEmpty()) {
                texts.append(label->text());
            }
        }
        return texts.join(' ');
    }

    // A row of an editing table is a check box: its tick is its checked state.
    QAccessible::Role role() const override {
        return cell()->isCheckable() ? QAccessible::CheckBox : QAccessible::Button;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (cell()->isCheckable()) {
            state.checkable = true;
            state.checked = cell()->isChecked();
        }
        return state;
    }

    QStringList actionNames() const override {
        QStringList names(pressAction());
        if (cell()->isCheckable()) {
            names.append(toggleAction());
        }
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction() || (action == toggleAction() && cell()->isCheckable())) {
            cell()->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    TableCell* cell() const { return static_cast<TableCell*>(widget()); }
};

QAccessibleInterface* accessibleTableCell(const QString&, QObject* object) {
    auto* cell = qobject_cast<TableCell*>(object);
    return cell ? new TableCellAccessible(cell) : nullptr;
}
} // namespace

TableCell::TableCell(const QString& reuseIdentifier, QWidget* parent)
    : QAbstractButton(parent), m_reuseIdentifier(reuseIdentifier) {
    setFocusPolicy(Qt::TabFocus);
    static const bool installed = [] {
        QAccessible::installFactory(accessibleTableCell);
        return true;
    }();
    Q_UNUSED(installed);
}

TableCell::~TableCell() {
    delete m_tickMark;
}

void TableCell::setSelectionStyle(SelectionStyle style) {
    m_selectionStyle = style;
    update();
}

void TableCell::setBackgroundColor(const QColor& color) {
    m_backgroundColor = color;
    update();
}

void TableCell::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool highlighted = isDown() && m_selectionStyle == SelectionStyle::Gray;
    painter.fillRect(rect(), highlighted ? pressedColor : m_backgroundColor);
}

void TableCell::resizeEvent(QResizeEvent* event) {
    QAbstractButton::resizeEvent(event);
    placeSeparator();
}

void TableCell::setSeparator(bool shown, int leftInset, const QColor& color) {
    if (!shown) {
        if (m_separator) {
            m_separator->hide();
        }
        return;
    }
    if (!m_separator) {
        m_separator = new QWidget(this);
        m_separator->setObjectName("separatorLine");
        m_separator->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_separator->setAutoFillBackground(true);
    }
    QPalette palette = m_separator->palette();
    palette.setColor(QPalette::Window, color);
    m_separator->setPalette(palette);
    m_separatorInset = leftInset;
    placeSeparator();
    m_separator->show();
    m_separator->raise();
}

void TableCell::placeSeparator() {
    if (m_separator) {
        m_separator->setGeometry(m_separatorInset, height() - 1, width() - m_separatorInset, 1);
    }
}
