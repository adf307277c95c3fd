#include "ui/SearchBar.h"

#include "platform/Assets.h"
#include "ui/Style.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int edgeMargin = 11;
constexpr int cancelWidth = 40;
constexpr int fieldGap = 10;
constexpr int fieldHeight = 32;
constexpr int magnifierSize = 28;
constexpr int magnifierLeft = 2;

// A field whose Return key reads as a search key on keyboards that label it.
class SearchField : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override {
        if (query == Qt::ImEnterKeyType) {
            return int(Qt::EnterKeySearch);
        }
        return QLineEdit::inputMethodQuery(query);
    }
};
} // namespace

SearchBar::SearchBar(const Options& options, QWidget* parent)
    : QWidget(parent), m_options(options), m_field(new SearchField(this)),
      m_magnifier(new QLabel(m_field)), m_cancel(new QPushButton(QStringLiteral("取消"), this)) {
    setObjectName(QStringLiteral("topBar"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("SearchBar { background: white; }"));

    m_field->setObjectName(QStringLiteral("searchField"));
    m_field->setPlaceholderText(options.placeholder);
    // The placeholder's leading space only pads the picture; it is not read out.
    m_field->setAccessibleName(options.placeholder.trimmed());
    m_field->setFont(Style::systemFont(14));
    m_field->setFrame(false);
    m_field->setStyleSheet(
        QStringLiteral("QLineEdit { background: %1; color: %2; border: none; }")
            .arg(Style::rgbText(Style::background()), Style::rgbText(Style::darkText())));
    m_field->setTextMargins(magnifierLeft + magnifierSize, 0, 4, 0);
    connect(m_field, &QLineEdit::returnPressed, this,
            [this] { emit searchRequested(m_field->text()); });

    m_magnifier->setObjectName(QStringLiteral("searchImage"));
    m_magnifier->setPixmap(
        Assets::image(QStringLiteral("kqsSearch_search"), QSize(magnifierSize, magnifierSize)));
    m_magnifier->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_magnifier->setGeometry(magnifierLeft, (fieldHeight - magnifierSize) / 2, magnifierSize,
                             magnifierSize);

    m_cancel->setObjectName(QStringLiteral("rigtBtn"));
    m_cancel->setFlat(true);
    m_cancel->setFont(Style::systemFont(15));
    m_cancel->setStyleSheet(
        QStringLiteral("QPushButton { border: none; background: transparent; color: %1; }")
            .arg(Style::rgbText(Style::darkText())));
    connect(m_cancel, &QPushButton::clicked, this, &SearchBar::cancelled);
    placeControls();
}

QString SearchBar::text() const {
    return m_field->text();
}

void SearchBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeControls();
}

void SearchBar::placeControls() {
    const int left = m_options.leadingInset + edgeMargin;
    const int right = width() - edgeMargin;
    const int fieldWidth = std::max(0, right - left - cancelWidth - fieldGap);
    const int fieldTop = BandHeight + (BarHeight - fieldHeight) / 2;
    if (m_options.cancelSide == CancelSide::Left) {
        m_cancel->setGeometry(left, BandHeight, cancelWidth, BarHeight);
        m_field->setGeometry(left + cancelWidth + fieldGap, fieldTop, fieldWidth, fieldHeight);
    } else {
        m_field->setGeometry(left, fieldTop, fieldWidth, fieldHeight);
        m_cancel->setGeometry(right - cancelWidth, BandHeight, cancelWidth, BarHeight);
    }
}
