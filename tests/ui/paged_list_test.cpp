#include "platform/PhoneWindow.h"
#include "platform/RefreshControl.h"
#include "support/ServiceFixture.h"
#include "ui/KQBaseTableView.h"
#include "ui/PagedList.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>

namespace {

using Rows = PagedList<QString, QString>;

// A page of rows named prefix0, prefix1, ... as the service would send it.
PeerReply page(const QString& prefix, int count) {
    QJsonArray list;
    for (int i = 0; i < count; ++i) {
        list.append(QJsonObject{{"id", prefix + QString::number(i)}});
    }
    return PeerReply::json(
        QJsonDocument(QJsonObject{{"status", "success"}, {"data", QJsonObject{{"list", list}}}})
            .toJson());
}

PeerReply refused() {
    return PeerReply::json(R"({"status":"error","message":"服务繁忙"})");
}

PeerReply held(PeerReply reply) {
    reply.held = true;
    return reply;
}

QList<QString> rowsOf(const QJsonObject& reply) {
    QList<QString> ids;
    for (const QJsonValue& row : reply.value("data").toObject().value("list").toArray()) {
        ids.append(row.toObject().value("id").toString());
    }
    return ids;
}

// One list over a table in a phone window, asking "list.do" with its query as "q".
class PagedListTest : public ServiceFixture, public TableDataSource {
protected:
    void SetUp() override {
        ServiceFixture::SetUp();
        makeList();
    }
    void TearDown() override {
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ServiceFixture::TearDown();
    }

    // A new window, table and list, not shown yet.
    void makeList() {
        window = std::make_unique<PhoneWindow>();
        table = new KQBaseTableView;
        table->setDataSource(this);
        window->setRoot(table);
        list = new Rows(
            table,
            [](const QString& query, int start, int size, ReplyBlock done) {
                return KQHttpClientList::baseRequestWithURL(KQHttpClientList::urlFor("list.do"),
                                                            {{"q", query},
                                                             {"start", QString::number(start)},
                                                             {"size", QString::number(size)}},
                                                            std::move(done));
            },
            rowsOf);
    }
    void show() {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    // A list on screen showing the first page of query "A": rows a0 to a9.
    void showFirstPage() {
        makeList();
        peer.enqueue("list.do", page("a", 10));
        list->setQuery("A");
        show();
        ASSERT_TRUE(next());
        ASSERT_TRUE(settle());
        ASSERT_EQ(list->records().size(), 10);
    }
    std::optional<PeerRequest> next() { return peer.waitForRequest("list.do"); }
    static QString asked(const std::optional<PeerRequest>& request) {
        return request ? request->field("q") + "@" + request->field("start") + "+" +
                             request->field("size")
                       : QStringLiteral("nothing");
    }
    QString lastAsked() const { return asked(peer.requests().last()); }
    bool indicatorsStopped() const {
        return !list->header()->isRefreshing() && !list->footer()->isRefreshing();
    }
    // Nothing was sent: a request would be open from the moment it was started.
    static bool nothingSent() { return KQRequest::openCount() == 0; }

    int numberOfRows(TableView*, int) override { return int(list->records().size()); }
    TableCell* cellForRow(TableView* t, IndexPath) override {
        TableCell* cell = t->dequeueReusableCell("row");
        return cell ? cell : new TableCell("row");
    }

    std::unique_ptr<PhoneWindow> window;
    KQBaseTableView* table = nullptr;
    Rows* list = nullptr;
};

TEST_F(PagedListTest, RefreshReplacesLoadMoreAppendsAndTheEmptyViewFollowsTheRows) {
    QSignalSpy changed(list, &PagedListBase::rowsChanged);
    peer.enqueue("list.do", page("a", 10));
    peer.enqueue("list.do", page("b", 3));
    peer.enqueue("list.do", page("c", 0));
    peer.enqueue("list.do", page("d", 2));
    list->setQuery("A");
    show();
    EXPECT_EQ(asked(next()), "A@0+10");
    ASSERT_TRUE(settle());
    EXPECT_EQ(table->numberOfRows(0), 10);
    EXPECT_EQ(list->nextPage(), 1);
    EXPECT_TRUE(table->nullView()->isHidden());
    EXPECT_TRUE(indicatorsStopped());

    list->loadMore();
    EXPECT_EQ(asked(next()), "A@10+10");
    ASSERT_TRUE(settle());
    EXPECT_EQ(list->records().mid(9, 2), (QList<QString>{"a9", "b0"}));
    EXPECT_EQ(table->numberOfRows(0), 13);

    // An empty first page shows the empty-state view; the next rows hide it.
    list->refresh();
    EXPECT_EQ(table->numberOfRows(0), 0) << "a refresh drops the rows and redraws at once";
    EXPECT_EQ(asked(next()), "A@0+10");
    ASSERT_TRUE(settle());
    EXPECT_FALSE(table->nullView()->isHidden());
    list->refresh();
    EXPECT_EQ(asked(next()), "A@0+10");
    ASSERT_TRUE(settle());
    EXPECT_EQ(list->records(), (QList<QString>{"d0", "d1"}));
    EXPECT_TRUE(table->nullView()->isHidden());
    EXPECT_GE(changed.size(), 4);

    list->removeAt(0);
    EXPECT_EQ(table->numberOfRows(0), 1);
}

TEST_F(PagedListTest, EveryOutcomeStopsTheIndicatorsAndOnlyRecordsMoveThePage) {
    PeerReply unavailable;
    unavailable.status = 503;
    PeerReply dropped;
    dropped.dropConnection = true;
    struct Case {
        const char* name;
        PeerReply reply;
        const char* toast; // nullptr: no toast
    };
    const QList<Case> cases{{"failure envelope", refused(), "服务繁忙"},
                            {"HTTP 503", unavailable, "请检查网络连接"},
                            {"connection dropped", dropped, "请检查网络连接"},
                            {"empty page", page("x", 0), nullptr}};
    // The failure is what the peer answers unless a reply is queued, so that a request the
    // network layer sends again after a dropped connection fails again.
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        showFirstPage();
        peer.reply("list.do", c.reply);
        list->loadMore();
        ASSERT_TRUE(settle());
        EXPECT_EQ(lastAsked(), "A@10+10");
        EXPECT_TRUE(indicatorsStopped());
        EXPECT_EQ(list->records().size(), 10);
        if (c.toast) {
            EXPECT_TRUE(Toast::visibleTexts().contains(c.toast));
        }
        // The page lost nothing: the next pull asks for the same page again.
        peer.enqueue("list.do", page("b", 4));
        list->loadMore();
        ASSERT_TRUE(settle());
        EXPECT_EQ(lastAsked(), "A@10+10");
        EXPECT_EQ(list->records().size(), 14);
        EXPECT_EQ(list->nextPage(), 2);

        // A refresh that fails leaves an empty list whose next pull asks for the first page.
        list->refresh();
        ASSERT_TRUE(settle());
        EXPECT_EQ(lastAsked(), "A@0+10");
        EXPECT_TRUE(indicatorsStopped());
        EXPECT_TRUE(list->records().isEmpty());
        peer.enqueue("list.do", page("c", 10));
        list->loadMore();
        ASSERT_TRUE(settle());
        EXPECT_EQ(lastAsked(), "A@0+10");
        EXPECT_EQ(list->records().first(), "c0");
        Clock::advance(2 * Toast::durationMs);
    }
}

TEST_F(PagedListTest, AReloadDuringARefreshEndsWithTheRowsOfTheLatestQuery) {
    // Both orders of arrival: the given-up page answering before or after the new one.
    for (const bool staleFirst : {true, false}) {
        SCOPED_TRACE(staleFirst ? "stale answers first" : "stale answers last");
        makeList();
        peer.enqueue("list.do", held(page("a", 10)));
        peer.enqueue("list.do", held(page("b", 3)));
        list->setQuery("A");
        show();
        EXPECT_EQ(asked(next()), "A@0+10");
        list->setQuery("B");
        EXPECT_EQ(asked(next()), "B@0+10") << "the new query is asked at once";
        EXPECT_TRUE(list->header()->isRefreshing());
        // Held replies are released oldest first unless an index says otherwise: A is 0, B is 1.
        EXPECT_TRUE(peer.release("list.do", staleFirst ? 0 : 1));
        EXPECT_TRUE(peer.release("list.do"));
        ASSERT_TRUE(settle());
        EXPECT_EQ(list->records(), (QList<QString>{"b0", "b1", "b2"}));
        EXPECT_TRUE(indicatorsStopped());

        peer.enqueue("list.do", page("c", 1));
        list->loadMore();
        EXPECT_EQ(asked(next()), "B@10+10") << "load-more goes on with the latest query";
        ASSERT_TRUE(settle());
    }
}

TEST_F(PagedListTest, ARefreshGivesUpARunningLoadMoreWhoseLatePageNeverJoins) {
    showFirstPage();
    PeerReply late = page("late", 10);
    late.delayMs = 200;
    peer.enqueue("list.do", late);
    list->loadMore();
    EXPECT_EQ(asked(next()), "A@10+10");
    peer.enqueue("list.do", page("n", 10));
    list->refresh();
    EXPECT_FALSE(list->footer()->isRefreshing());
    EXPECT_EQ(asked(next()), "A@0+10");
    // Settled means no request is open: the given-up one is over and can bring nothing later.
    ASSERT_TRUE(settle());
    EXPECT_EQ(list->records().size(), 10);
    EXPECT_EQ(list->records().last(), "n9");
    EXPECT_EQ(list->nextPage(), 1);
}

TEST_F(PagedListTest, OneRequestAtATime) {
    peer.enqueue("list.do", held(page("a", 10)));
    list->setQuery("A");
    show();
    EXPECT_EQ(asked(next()), "A@0+10");
    list->loadMore();
    EXPECT_FALSE(list->footer()->isRefreshing()) << "a pull-up during a refresh ends at once";
    list->refresh();
    EXPECT_EQ(KQRequest::openCount(), 1) << "a pull-down during a refresh sends nothing more";
    EXPECT_TRUE(peer.release("list.do"));
    ASSERT_TRUE(settle());
    EXPECT_EQ(peer.count("list.do"), 1);
    EXPECT_EQ(list->records().size(), 10);
}

TEST_F(PagedListTest, NothingIsAskedBeforeTheFirstQueryOrWhilePaused) {
    show();
    list->refresh();
    list->loadMore();
    EXPECT_TRUE(nothingSent());
    EXPECT_TRUE(indicatorsStopped());

    showFirstPage();
    list->setPaused(true);
    list->refresh();
    list->loadMore();
    EXPECT_TRUE(nothingSent());
    EXPECT_TRUE(indicatorsStopped());
    EXPECT_EQ(list->records().size(), 10) << "a pull while paused changes nothing";
    peer.enqueue("list.do", page("b", 2));
    list->reload();
    EXPECT_EQ(asked(next()), "A@0+10") << "a reload from code still runs";
    ASSERT_TRUE(settle());
    EXPECT_EQ(list->records().size(), 2);
}

TEST_F(PagedListTest, AListNotShownYetAsksOnceWithTheLatestQuery) {
    list->setQuery("A");
    list->setQuery("B");
    EXPECT_TRUE(nothingSent());
    peer.enqueue("list.do", page("b", 1));
    show();
    EXPECT_EQ(asked(next()), "B@0+10");
    ASSERT_TRUE(settle());
    EXPECT_EQ(peer.count("list.do"), 1);
}

TEST_F(PagedListTest, KeptRowsStayUntilTheirReplacementAndLoadMoreRepeatsTheirQuery) {
    list->setKeepsRowsUntilReply(true);
    peer.enqueue("list.do", page("a", 10));
    list->setQuery("A");
    show();
    EXPECT_EQ(asked(next()), "A@0+10");
    ASSERT_TRUE(settle());

    // A search for B that fails keeps A's rows, and load-more goes on with A.
    peer.enqueue("list.do", refused());
    list->setQuery("B");
    EXPECT_EQ(table->numberOfRows(0), 10);
    EXPECT_EQ(asked(next()), "B@0+10");
    ASSERT_TRUE(settle());
    EXPECT_EQ(list->records().size(), 10);
    EXPECT_EQ(list->shownQuery(), "A");
    peer.enqueue("list.do", page("a", 1));
    list->loadMore();
    EXPECT_EQ(asked(next()), "A@10+10");
    ASSERT_TRUE(settle());

    peer.enqueue("list.do", held(page("b", 2)));
    list->setQuery("B");
    EXPECT_EQ(asked(next()), "B@0+10");
    EXPECT_EQ(table->numberOfRows(0), 11) << "the rows stay in view until the reply";
    EXPECT_TRUE(peer.release("list.do"));
    ASSERT_TRUE(settle());
    EXPECT_EQ(list->records(), (QList<QString>{"b0", "b1"}));
    EXPECT_EQ(table->numberOfRows(0), 2);
}

TEST_F(PagedListTest, APullCanChangeTheQueryItAsksWithAndOnlyAPullSaysSo) {
    showFirstPage();
    QSignalSpy pulled(list, &PagedListBase::pulled);
    QObject::connect(list, &PagedListBase::pulled, list,
                     [this] { list->setQueryForNextRefresh(list->query().value() + "-all"); });
    peer.enqueue("list.do", page("b", 1));
    list->setQuery("B");
    EXPECT_EQ(asked(next()), "B@0+10") << "a query set from code is asked as it is";
    ASSERT_TRUE(settle());
    EXPECT_EQ(pulled.count(), 0);

    peer.enqueue("list.do", page("c", 2));
    list->refresh();
    EXPECT_EQ(asked(next()), "B-all@0+10");
    ASSERT_TRUE(settle());
    EXPECT_EQ(pulled.count(), 1);
    EXPECT_EQ(peer.count("list.do"), 3) << "the changed query is asked once, not re-asked";
    EXPECT_EQ(list->shownQuery(), "B-all");
    EXPECT_EQ(list->records().size(), 2);
}

} // namespace
