#include "comments/CommentScreens.h"

#include "app/KQSRootVC.h"
#include "app/ScreenClasses.h"
#include "app/Tour.h"
#include "comments/CommentReply.h"
#include "comments/KQCommentListVC.h"
#include "platform/NavigationStack.h"

namespace {

KQCommentListVC* shownCommentList() {
    KQSRootVC* root = Tour::root();
    NavigationStack* stack = root ? root->currentStack() : nullptr;
    return stack ? qobject_cast<KQCommentListVC*>(stack->top()) : nullptr;
}

// The tour answers the first open comment of the list on screen.
void openFirstReply() {
    KQCommentListVC* list = shownCommentList();
    if (!list || list->pages().size() < 3) {
        return;
    }
    const QList<KQCommentModel>& open = list->pages().at(2)->dataArray();
    if (!open.isEmpty()) {
        CommentReply::start(list, open.first().comment_id, {});
    }
}

} // namespace

void registerCommentScreens() {
    ScreenClasses::add(QStringLiteral("KQCommentListVC"), [] { return new KQCommentListVC; });

    Tour::add({QStringLiteral("comments-list"), [] { Tour::push(new KQCommentListVC); }});
    Tour::add({QStringLiteral("comments-reply"), &openFirstReply, true});
}
