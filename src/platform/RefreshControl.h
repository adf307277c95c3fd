#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QVariantAnimation;
class TableView;

// The pull-to-refresh header or the load-more footer of a TableView. Pulling the
// content past the table's edge by the control's height and letting go starts it;
// code can start it too. It runs until the screen ends it, and a start while it runs
// (or waits for the table to be shown for the first time) does nothing more.
class RefreshControl : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Header, Footer };
    enum class State { Idle, Pulling, ReadyToRelease, Pending, Refreshing };
    static constexpr int Height = 54;

    RefreshControl(Kind kind, std::function<void()> onRefresh, TableView* table);

    Kind kind() const { return m_kind; }
    State state() const { return m_state; }
    // Also true while a start waits for the table's first appearance.
    bool isRefreshing() const;

    void beginRefreshing();
    void endRefreshing();

    QString text() const;

signals:
    void refreshingStarted();
    void refreshingEnded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class TableView;
    void setPullDistance(int distance);
    void release();
    void tableShown();
    void start();
    void setState(State state);

    TableView* m_table;
    Kind m_kind;
    std::function<void()> m_onRefresh;
    State m_state = State::Idle;
    QLabel* m_label;
    QVariantAnimation* m_spin;
    qreal m_angle = 0;
};
