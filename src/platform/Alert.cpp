#include "platform/Alert.h"

#include "platform/PhoneWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int alertWidth = 270;
constexpr int sheetMargin = 8;

QList<QPointer<Alert>>& presentedAlerts() {
    static QList<QPointer<Alert>> list;
    return list;
}

QWidget* hairline(QWidget* parent, Qt::Orientation orientation) {
    auto* line = new QWidget(parent);
    line->setAttribute(Qt::WA_StyledBackground);
    line->setStyleSheet(QStringLiteral("background: rgb(219, 219, 223);"));
    if (orientation == Qt::Horizontal) {
        line->setFixedHeight(1);
    } else {
        line->setFixedWidth(1);
    }
    return line;
}

QString buttonStyle(Alert::Style style) {
    const QString colour = style == Alert::Style::Destructive ? QStringLiteral("rgb(255, 59, 48)")
                                                              : QStringLiteral("rgb(0, 122, 255)");
    const QString weight =
        style == Alert::Style::Cancel ? QStringLiteral("bold") : QStringLiteral("normal");
    return QStringLiteral("QPushButton { border: none; background: transparent; color: %1;"
                          " font-size: 17px; font-weight: %2; }"
                          "QPushButton:pressed { background: rgb(229, 229, 234); }")
        .arg(colour, weight);
}
} // namespace

Alert::Alert(const QString& title, const QString& message) : Alert(title, message, Kind::Alert) {}

Alert::Alert(const QString& title, const QString& message, Kind kind)
    : kind_(kind), title_(title), message_(message) {
    setObjectName(kind == Kind::Alert ? QStringLiteral("alert") : QStringLiteral("actionSheet"));
    setAccessibleName(title);
    setAttribute(Qt::WA_DeleteOnClose);
}

void Alert::addAction(const QString& title, Style style, std::function<void()> handler) {
    actions_.append({title, style, std::move(handler), nullptr});
}

void Alert::present() {
    if (panel_) {
        return;
    }
    build();
    if (PhoneWindow* window = PhoneWindow::current()) {
        window->addOverlay(this, PhoneWindow::Layer::Modal);
    } else {
        resize(PhoneWindow::defaultSize);
    }
    presentedAlerts().append(this);
    placePanels();
    show();
}

void Alert::dismiss() {
    if (dismissed_) {
        return;
    }
    dismissed_ = true;
    presentedAlerts().removeAll(this);
    hide();
    deleteLater();
}

QStringList Alert::actionTitles() const {
    QStringList titles;
    for (const Action& a : actions_) {
        titles.append(a.title);
    }
    return titles;
}

bool Alert::trigger(const QString& actionTitle) {
    for (int i = 0; i < actions_.size(); ++i) {
        if (actions_.at(i).title == actionTitle && !dismissed_) {
            run(i);
            return true;
        }
    }
    return false;
}

QList<Alert*> Alert::presented() {
    QList<Alert*> list;
    for (const auto& alert : presentedAlerts()) {
        if (alert) {
            list.append(alert.data());
        }
    }
    return list;
}

// A dismissed alert runs no more actions, however often its buttons are pressed.
void Alert::run(int index) {
    if (dismissed_) {
        return;
    }
    const std::function<void()> handler = actions_.at(index).handler;
    dismiss();
    if (handler) {
        handler();
    }
}

// Two alert buttons stand side by side with the cancel one on the left; otherwise they are
// stacked with the cancel one last.
QList<const Alert::Action*> Alert::orderedActions(bool cancelFirst) const {
    QList<const Action*> cancels;
    QList<const Action*> others;
    for (const Action& a : actions_) {
        (a.style == Style::Cancel ? cancels : others).append(&a);
    }
    return cancelFirst ? cancels + others : others + cancels;
}

void Alert::build() {
    if (kind_ == Kind::Alert) {
        const bool sideBySide = actions_.size() == 2;
        panel_ = makeGroup(this, true, orderedActions(sideBySide), sideBySide);
        return;
    }
    QList<const Action*> others;
    QList<const Action*> cancels;
    for (const Action& a : actions_) {
        (a.style == Style::Cancel ? cancels : others).append(&a);
    }
    panel_ = makeGroup(this, true, others, false);
    if (!cancels.isEmpty()) {
        cancelPanel_ = makeGroup(this, false, cancels, false);
    }
}

QWidget* Alert::makeGroup(QWidget* parent, bool withText, const QList<const Action*>& actions,
                          bool sideBySide) {
    auto* group = new QWidget(parent);
    group->setObjectName(QStringLiteral("alertPanel"));
    group->setAttribute(Qt::WA_StyledBackground);
    group->setStyleSheet(QStringLiteral("#alertPanel { background: white; border-radius: 12px; }"));
    auto* column = new QVBoxLayout(group);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    const bool sheet = kind_ == Kind::Sheet;
    if (withText && !(title_.isEmpty() && message_.isEmpty())) {
        auto* text = new QVBoxLayout;
        text->setContentsMargins(16, sheet ? 14 : 20, 16, sheet ? 14 : 20);
        text->setSpacing(4);
        const QString titleStyle = sheet ? QStringLiteral("color: rgb(143, 143, 143); font-size: "
                                                          "13px; font-weight: bold;")
                                         : QStringLiteral("color: black; font-size: 17px; "
                                                          "font-weight: bold;");
        const QString messageStyle =
            sheet ? QStringLiteral("color: rgb(143, 143, 143); font-size: 13px;")
                  : QStringLiteral("color: black; font-size: 13px;");
        for (const auto& [content, style, name] :
             {std::tuple{title_, titleStyle, "alertTitle"},
              std::tuple{message_, messageStyle, "alertMessage"}}) {
            if (content.isEmpty()) {
                continue;
            }
            auto* label = new QLabel(content, group);
            label->setObjectName(QString::fromLatin1(name));
            label->setStyleSheet(style);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignCenter);
            text->addWidget(label);
        }
        column->addLayout(text);
        if (!actions.isEmpty()) {
            column->addWidget(hairline(group, Qt::Horizontal));
        }
    }

    auto* row = sideBySide ? new QHBoxLayout : nullptr;
    for (int i = 0; i < actions.size(); ++i) {
        QPushButton* button = makeButton(*actions.at(i), group);
        if (row) {
            if (i > 0) {
                row->addWidget(hairline(group, Qt::Vertical));
            }
            row->addWidget(button);
        } else {
            if (i > 0) {
                column->addWidget(hairline(group, Qt::Horizontal));
            }
            column->addWidget(button);
        }
    }
    if (row) {
        row->setSpacing(0);
        column->addLayout(row);
    }
    return group;
}

QPushButton* Alert::makeButton(const Action& action, QWidget* parent) {
    auto* button = new QPushButton(action.title, parent);
    button->setObjectName(QStringLiteral("alertAction"));
    button->setAccessibleName(action.title);
    button->setFixedHeight(kind_ == Kind::Alert ? 44 : 57);
    button->setStyleSheet(buttonStyle(action.style));
    const int index = int(&action - actions_.constData());
    connect(button, &QPushButton::clicked, this, [this, index] { run(index); });
    return button;
}

void Alert::placePanels() {
    if (!panel_) {
        return;
    }
    const auto heightAt = [](QWidget* w, int width) {
        const int h = w->heightForWidth(width);
        return h > 0 ? h : w->sizeHint().height();
    };
    if (kind_ == Kind::Alert) {
        const int h = heightAt(panel_, alertWidth);
        panel_->setGeometry((width() - alertWidth) / 2, (height() - h) / 2, alertWidth, h);
        return;
    }
    const int w = width() - 2 * sheetMargin;
    int bottom = height() - sheetMargin;
    if (cancelPanel_) {
        const int h = heightAt(cancelPanel_, w);
        cancelPanel_->setGeometry(sheetMargin, bottom - h, w, h);
        bottom -= h + sheetMargin;
    }
    const int h = heightAt(panel_, w);
    panel_->setGeometry(sheetMargin, bottom - h, w, h);
}

void Alert::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), QColor(0, 0, 0, 102));
}

void Alert::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placePanels();
}

// Touches outside the panels go nowhere: the alert is modal.
void Alert::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

ActionSheet::ActionSheet(const QString& title, const QString& message)
    : Alert(title, message, Kind::Sheet) {}
