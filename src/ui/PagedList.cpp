#include "ui/PagedList.h"

#include "platform/RefreshControl.h"
#include "ui/KQBaseTableView.h"

PagedListBase::PagedListBase(KQBaseTableView* table)
    : QObject(table), table_(table), header_(table->addRefreshHeader([this] { headerStarted(); })),
      footer_(table->addLoadMoreFooter([this] { footerStarted(); })) {
    // Shown only once a reply leaves the list empty.
    table_->nullView()->hide();
}

void PagedListBase::refresh() {
    header_->beginRefreshing();
}

void PagedListBase::reload() {
    if (header_->state() == RefreshControl::State::Refreshing) {
        startRefresh();
        return;
    }
    // A header still waiting for the table's first appearance asks with the query of that moment,
    // so nothing more is needed then.
    reloadWanted_ = true;
    header_->beginRefreshing();
}

void PagedListBase::loadMore() {
    footer_->beginRefreshing();
}

void PagedListBase::headerStarted() {
    const bool wanted = std::exchange(reloadWanted_, false);
    if (!canSend(true) || (paused_ && !wanted)) {
        header_->endRefreshing();
        return;
    }
    if (!wanted) {
        emit pulled();
    }
    startRefresh();
}

void PagedListBase::footerStarted() {
    if (!canSend(false) || paused_ || header_->isRefreshing()) {
        footer_->endRefreshing();
        return;
    }
    request(nextPage_, false);
}

void PagedListBase::startRefresh() {
    giveUpRunning();
    if (!keepsRows_) {
        clearRecords();
        nextPage_ = 0;
        redraw();
    }
    request(0, true);
}

void PagedListBase::request(qint64 page, bool refresh) {
    KQRequest* sent = send(page, refresh);
    running_ = sent;
    sent->guardedBy(this);
    // A failure envelope never reaches the reply callback; finished() comes whatever happened.
    connect(sent, &KQRequest::finished, this, [this, sent] { requestEnded(sent); });
}

void PagedListBase::giveUpRunning() {
    if (KQRequest* obsolete = std::exchange(running_, nullptr)) {
        obsolete->abort();
    }
    footer_->endRefreshing();
}

void PagedListBase::requestEnded(const KQRequest* request) {
    if (request != running_) {
        return; // given up for a newer refresh, which owns the indicators now
    }
    running_ = nullptr;
    header_->endRefreshing();
    footer_->endRefreshing();
    emit finished();
}

void PagedListBase::pageTaken(qint64 page, qsizetype brought) {
    if (brought > 0) {
        nextPage_ = page + 1;
    } else if (page == 0) {
        nextPage_ = 0;
    }
    table_->nullView()->setVisible(isEmpty());
    redraw();
}

void PagedListBase::redraw() {
    table_->reloadData();
    emit rowsChanged();
}
