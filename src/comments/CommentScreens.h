#pragma once

// Registers the comment list by its class name "KQCommentListVC" (the order list opens it from
// its "更多" menu) and the comment screens' steps of the demo tour.
void registerCommentScreens();
