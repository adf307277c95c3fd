#include "platform/DropDownMenu.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace {
constexpr int fontSize = 14;
constexpr int arrowWidth = 8;
constexpr int arrowHeight = 5;
constexpr int arrowGap = 4;
constexpr int titlePadding = 6;
constexpr int rowPadding = 15;
constexpr int separatorMargin = 12;
const QColor textColor(56, 56, 56);
const QColor markColor(255, 79, 79);
const QColor lineColor(231, 238, 241);
const QColor backdropColor(0, 0, 0, 100);

QFont menuFont(const QWidget* widget) {
    QFont font = widget->font();
    font.setPixelSize(fontSize);
    return font;
}

// A column title with its arrow: pointing down while closed, up and marked while its rows
// are dropped.
class TitleButton : public QAbstractButton {
public:
    TitleButton(const QString& title, QWidget* parent) : QAbstractButton(parent) {
        setText(title);
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::TabFocus);
    }

    void setOpen(bool open) {
        m_open = open;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor colour = m_open ? markColor : textColor;
        painter.setFont(menuFont(this));
        const QFontMetrics metrics(painter.font());
        const int room = std::max(0, width() - 2 * titlePadding - arrowGap - arrowWidth);
        const QString shown = metrics.elidedText(text(), Qt::ElideRight, room);
        const int textWidth = metrics.horizontalAdvance(shown);
        const int left = (width() - textWidth - arrowGap - arrowWidth) / 2;
        painter.setPen(colour);
        painter.drawText(QRect(left, 0, textWidth, height()), Qt::AlignCenter, shown);

        const qreal x = left + textWidth + arrowGap;
        const qreal middle = height() / 2.0;
        const qreal tipY = m_open ? middle - arrowHeight / 2.0 : middle + arrowHeight / 2.0;
        const qreal baseY = m_open ? middle + arrowHeight / 2.0 : middle - arrowHeight / 2.0;
        QPainterPath arrow;
        arrow.moveTo(x, baseY);
        arrow.lineTo(x + arrowWidth, baseY);
        arrow.lineTo(x + arrowWidth / 2.0, tipY);
        arrow.closeSubpath();
        painter.fillPath(arrow, colour);
    }

private:
    bool m_open = false;
};

// One dropped row. It is checkable so that assistive technology hears which row is chosen;
// only the menu decides that, a touch never flips it.
class RowButton : public QAbstractButton {
public:
    RowButton(const QString& text, bool chosen, QWidget* parent) : QAbstractButton(parent) {
        setText(text);
        setCheckable(true);
        setChecked(chosen);
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::TabFocus);
    }

protected:
    void nextCheckState() override {}

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(rect(), isDown() ? QColor(240, 241, 245) : QColor(Qt::white));
        painter.setFont(menuFont(this));
        painter.setPen(isChecked() ? markColor : textColor);
        painter.drawText(rect().adjusted(rowPadding, 0, -rowPadding - 20, 0),
                         Qt::AlignLeft | Qt::AlignVCenter, text());
        if (isChecked()) {
            const qreal right = width() - rowPadding;
            const qreal middle = height() / 2.0;
            painter.setPen(QPen(markColor, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawPolyline(
                QPolygonF({{right - 13, middle}, {right - 8, middle + 5}, {right, middle - 5}}));
        }
        painter.fillRect(QRectF(rowPadding, height() - 0.5, width() - rowPadding, 0.5), lineColor);
    }
};

// The dropped rows' ground: dims what lies under it; a touch on it, outside the rows, closes.
class DroppedPanel : public QWidget {
public:
    DroppedPanel(QWidget* parent, std::function<void()> dismiss)
        : QWidget(parent), m_dismiss(std::move(dismiss)) {
        setObjectName("dropDownPanel");
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), backdropColor); }
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override {
        event->accept();
        if (!childAt(event->position().toPoint()) && rect().contains(event->position().toPoint())) {
            m_dismiss();
        }
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape) {
            m_dismiss();
            return;
        }
        QWidget::keyPressEvent(event);
    }

private:
    std::function<void()> m_dismiss;
};
} // namespace

DropDownMenu::DropDownMenu(QWidget* parent) : QWidget(parent) {
    setObjectName("dropDownMenu");
    if (parent) {
        parent->installEventFilter(this);
    }
}

DropDownMenu::~DropDownMenu() {
    delete m_panel;
}

void DropDownMenu::setColumns(const QList<Column>& columns) {
    close();
    qDeleteAll(m_titles);
    m_titles.clear();
    m_columns = columns;
    for (int i = 0; i < m_columns.size(); ++i) {
        Column& column = m_columns[i];
        if (column.chosenRow < -1 || column.chosenRow >= column.rows.size()) {
            column.chosenRow = -1;
        }
        auto* title = new TitleButton(column.title, this);
        title->setObjectName(QString("dropDownTitle%1").arg(i));
        connect(title, &QAbstractButton::clicked, this, [this, i] { titleTouched(i); });
        title->show();
        m_titles.append(title);
    }
    layoutTitles();
    update();
}

QString DropDownMenu::title(int column) const {
    return m_columns.value(column).title;
}

QStringList DropDownMenu::rows(int column) const {
    return m_columns.value(column).rows;
}

int DropDownMenu::chosenRow(int column) const {
    return column >= 0 && column < m_columns.size() ? m_columns[column].chosenRow : -1;
}

QAbstractButton* DropDownMenu::rowButton(int row) const {
    return m_rows.value(row);
}

void DropDownMenu::open(int column) {
    if (column < 0 || column >= m_columns.size() || !parentWidget()) {
        return;
    }
    close();
    m_openColumn = column;
    m_panel = new DroppedPanel(parentWidget(), [this] { close(); });
    const Column& shown = m_columns[column];
    for (int row = 0; row < shown.rows.size(); ++row) {
        auto* button = new RowButton(shown.rows[row], row == shown.chosenRow, m_panel);
        button->setObjectName(QString("dropDownRow%1").arg(row));
        connect(button, &QAbstractButton::clicked, this,
                [this, column, row] { choose(column, row); });
        m_rows.append(button);
    }
    placePanel();
    markOpenTitle();
    m_panel->show();
    m_panel->raise();
    raise();
    m_panel->setFocus();
}

void DropDownMenu::close() {
    if (m_openColumn < 0) {
        return;
    }
    m_openColumn = -1;
    m_rows.clear();
    if (m_panel) {
        // The row that closes the panel is still inside its own click handler.
        m_panel->hide();
        m_panel->deleteLater();
        m_panel = nullptr;
    }
    markOpenTitle();
}

void DropDownMenu::titleTouched(int column) {
    if (column == m_openColumn) {
        close();
    } else {
        open(column);
    }
}

void DropDownMenu::choose(int column, int row) {
    if (column != m_openColumn) {
        return;
    }
    close();
    Column& chosen = m_columns[column];
    chosen.chosenRow = row;
    chosen.title = chosen.rows.value(row);
    m_titles[column]->setText(chosen.title);
    emit rowChosen(column, row);
}

void DropDownMenu::markOpenTitle() {
    for (int i = 0; i < m_titles.size(); ++i) {
        static_cast<TitleButton*>(m_titles[i])->setOpen(i == m_openColumn);
    }
}

void DropDownMenu::layoutTitles() {
    const int count = int(m_titles.size());
    for (int i = 0; i < count; ++i) {
        const int left = width() * i / count;
        const int right = width() * (i + 1) / count;
        m_titles[i]->setGeometry(left, 0, right - left, height());
    }
}

void DropDownMenu::placePanel() {
    if (!m_panel) {
        return;
    }
    QWidget* host = parentWidget();
    const int top = geometry().bottom() + 1;
    m_panel->setGeometry(0, top, host->width(), std::max(0, host->height() - top));
    for (int row = 0; row < m_rows.size(); ++row) {
        m_rows[row]->setGeometry(0, row * RowHeight, m_panel->width(), RowHeight);
    }
}

void DropDownMenu::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.fillRect(QRectF(0, height() - 0.5, width(), 0.5), lineColor);
    for (int i = 1; i < m_titles.size(); ++i) {
        const int x = m_titles[i]->x();
        painter.fillRect(QRectF(x - 0.25, separatorMargin, 0.5, height() - 2 * separatorMargin),
                         lineColor);
    }
}

void DropDownMenu::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutTitles();
    placePanel();
}

void DropDownMenu::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    close();
}

bool DropDownMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        placePanel();
    }
    return QWidget::eventFilter(watched, event);
}
