#pragma once

#include "service/KQHttpClientList.h"

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>
#include <type_traits>
#include <utility>
#include <variant>

class KQBaseTableView;
class RefreshControl;

// The paging of one list over one KQBaseTableView: everything a paged list screen would
// otherwise write by hand. The list installs the table's pull-to-refresh header and load-more
// footer and owns the page counter; the screen only says how to ask for a page and how to read
// the records out of a reply, and remains the table's data source, reading records() from here.
//
// The rules every paged list follows:
// - A request asks for "start" = page x 10 and "size" = 10. A refresh asks for page 0, a load-more
//   for nextPage().
// - Only one page request runs at a time. A load-more started while a refresh runs ends at once
//   and sends nothing; a refresh started while a load-more runs gives the load-more up.
// - A running request that a newer refresh made obsolete is aborted, so its reply, however late,
//   never reaches the list (no stale page is ever shown or appended).
// - The reply of page 0 replaces the rows and the reply of any later page appends to them. The
//   request's own page decides, never the list's current state.
// - nextPage() moves past a page only when its reply brought at least one record. A failed or empty
//   load-more leaves it, so the next pull asks for the same page again instead of skipping ten
//   rows.
// - Both indicators stop on every outcome: a reply, a failure envelope (which never reaches the
//   reply callback) and a transport failure.
// - After each reply the table is redrawn and its empty-state view shown exactly when the list is
//   empty. The rows are dropped and redrawn in one step, so the table never shows rows the list no
//   longer holds.
// - reload() during a running refresh gives that refresh up and starts a new one, so the list
//   always ends with the rows of the latest query.
//
// The non-template part; screens use PagedList<Record, Query> below.
class PagedListBase : public QObject {
    Q_OBJECT
public:
    static constexpr int kPageSize = 10;

    KQBaseTableView* table() const { return table_; }
    RefreshControl* header() const { return header_; }
    RefreshControl* footer() const { return footer_; }

    // What a pull-down does: starts a refresh from page 0, unless one is running (or waiting for
    // the table to be shown for the first time, in which case it asks with the query of that
    // moment).
    void refresh();
    // For a change the owner did not pull for (a filter, a notification, an appearance that must
    // show the latest): like refresh(), but a running refresh or load-more is given up and a new
    // refresh starts at once.
    void reload();
    // What a pull-up does: asks for nextPage().
    void loadMore();

    // The page the next load-more asks for: one past the last page that brought records.
    qint64 nextPage() const { return nextPage_; }
    // A page request is under way.
    bool isLoading() const { return running_ != nullptr; }

    // While paused (a screen's editing mode, say), a pull stops at once and sends nothing; reload()
    // still works. Pausing does not touch a request already under way.
    void setPaused(bool paused) { paused_ = paused; }
    bool isPaused() const { return paused_; }

    // By default a refresh drops the rows when it starts. Search results and other lists whose
    // rows should stay in view keep them until the reply of page 0 replaces them; a failed
    // refresh then leaves them, and load-more goes on with their query.
    void setKeepsRowsUntilReply(bool keeps) { keepsRows_ = keeps; }

signals:
    // The owner pulled down (or refresh() ran) and a refresh is about to ask with the query of
    // this moment; reload() and setQuery() never emit it. A screen whose pull changes the query
    // (a search that drops a filter) sets the new one here with setQueryForNextRefresh().
    void pulled();
    // The records changed and the table was redrawn.
    void rowsChanged();
    // The current page request is over, whatever its outcome; the indicators are stopped.
    void finished();

protected:
    // Owned by the table, so it goes with it.
    explicit PagedListBase(KQBaseTableView* table);

    // Sends the request for page; a refresh asks with the latest query, a load-more with the
    // query of the rows on screen. Its reply calls pageTaken().
    virtual KQRequest* send(qint64 page, bool refresh) = 0;
    // A refresh needs a query; a load-more needs rows of a query on screen (no load-more before
    // the first search).
    virtual bool canSend(bool refresh) const = 0;
    // Drops every record; the list now belongs to the latest query.
    virtual void clearRecords() = 0;
    virtual bool isEmpty() const = 0;

    // The typed list took page's reply in; brought is the number of records it held.
    void pageTaken(qint64 page, qsizetype brought);
    // The records changed outside a reply.
    void redraw();

private:
    void headerStarted();
    void footerStarted();
    void startRefresh();
    void request(qint64 page, bool refresh);
    void giveUpRunning();
    void requestEnded(const KQRequest* request);

    KQBaseTableView* table_;
    RefreshControl* header_;
    RefreshControl* footer_;
    QPointer<KQRequest> running_;
    qint64 nextPage_ = 0;
    bool paused_ = false;
    bool keepsRows_ = false;
    // A refresh asked for by reload(), which a pause does not stop.
    bool reloadWanted_ = false;
};

// A paged list of Record, asked for with a Query.
//
// Query is what the screen filters by (an order status, a search's texts and menu choices). A list
// without one leaves it std::monostate and can refresh at once. A list with one asks for nothing
// until setQuery(): the query is copied then, and every page asks with the copy its rows belong
// to, so a load-more repeats exactly the query of the rows on screen even when the owner has
// edited the search field since.
//
// Typical use, in a screen that is the table's data source:
//
//     list_ = new PagedList<KQOrderModel, QString>(
//         table_,
//         [](const QString& status, int start, int size, ReplyBlock done) {
//             KQProject& bag = KQProject::project();
//             bag.status = status;
//             bag.start = start;
//             bag.size = size;
//             return KQHttpClientList::request_OrderListWith(bag, std::move(done));
//         },
//         &OrderPayload::orderPage);
//     list_->setQuery(QStringLiteral("waitSend")); // asks for page 0 once the table is shown
//
// and numberOfRows()/cellForRow() read list_->records(). The fetch function must fill the bag and
// call the catalogue in the same step and return its request; the list guards the request itself.
template <class Record, class Query = std::monostate> class PagedList final : public PagedListBase {
public:
    static constexpr bool kHasQuery = !std::is_same_v<Query, std::monostate>;
    // (start, size, done) without a query; (query, start, size, done) with one.
    using Fetch = std::conditional_t<
        kHasQuery, std::function<KQRequest*(const Query& query, int start, int size, ReplyBlock)>,
        std::function<KQRequest*(int start, int size, ReplyBlock)>>;
    // The records of one reply, in order.
    using Map = std::function<QList<Record>(const QJsonObject& reply)>;

    PagedList(KQBaseTableView* table, Fetch fetch, Map map)
        : PagedListBase(table), fetch_(std::move(fetch)), map_(std::move(map)) {
        if constexpr (!kHasQuery) {
            latest_ = shown_ = std::monostate{};
        }
    }

    const QList<Record>& records() const { return records_; }

    // Copies query as the one every refresh asks with from now on and reloads from page 0.
    void setQuery(const Query& query) requires kHasQuery {
        latest_ = query;
        reload();
    }
    // Copies query as the one every refresh asks with from now on, without starting one; see
    // pulled().
    void setQueryForNextRefresh(const Query& query) requires kHasQuery { latest_ = query; }
    // The query of the latest setQuery(), if any.
    const std::optional<Query>& query() const { return latest_; }
    // The query the rows on screen belong to, which load-more asks with.
    const std::optional<Query>& shownQuery() const { return shown_; }

    // Takes one record out of the list (an item the owner deleted) and redraws.
    void removeAt(qsizetype index) {
        if (index >= 0 && index < records_.size()) {
            records_.removeAt(index);
            redraw();
        }
    }

protected:
    KQRequest* send(qint64 page, bool refresh) override {
        const Query query = refresh ? *latest_ : *shown_;
        ReplyBlock done = onReply([this, query, page](const QJsonObject& reply) {
            QList<Record> brought = map_(reply);
            const qsizetype count = brought.size();
            if (page == 0) {
                records_ = std::move(brought);
                shown_ = query;
            } else {
                records_.append(std::move(brought));
            }
            pageTaken(page, count);
        });
        const int start = int(page * kPageSize);
        if constexpr (kHasQuery) {
            return fetch_(query, start, kPageSize, std::move(done));
        } else {
            return fetch_(start, kPageSize, std::move(done));
        }
    }
    bool canSend(bool refresh) const override {
        return refresh ? latest_.has_value() : shown_.has_value();
    }
    void clearRecords() override {
        records_.clear();
        shown_ = latest_;
    }
    bool isEmpty() const override { return records_.isEmpty(); }

private:
    Fetch fetch_;
    Map map_;
    QList<Record> records_;
    std::optional<Query> latest_;
    std::optional<Query> shown_;
};
