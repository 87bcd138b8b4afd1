#include "stair/stair_opener.h"

namespace spanwright::stair {

StairOpener::StairOpener(StairVariables& vars, const OutputOptions& options)
    : vars_(vars), options_(options) {}

StairOpener::~StairOpener() { Unload(); }

frmStair* StairOpener::Open() {
    // A closed window waits for its deferred deletion: it is already unloaded,
    // so a click that comes before the deletion still gets a fresh window.
    if (window_ && !window_->isVisible()) window_.clear();
    const bool loaded = !window_.isNull();
    if (!loaded) {
        // No parent: a top-level window of its own that the main window does
        // not own or keep in front; closing it destroys it.
        window_ = new frmStair(vars_, options_);
        window_->setAttribute(Qt::WA_DeleteOnClose);
    }
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    if (loaded) window_->raise();
    window_->activateWindow();
    return window_;
}

void StairOpener::Unload() { delete window_.data(); }

}  // namespace spanwright::stair
