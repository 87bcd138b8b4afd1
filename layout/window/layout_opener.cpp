#include "layout/layout_opener.h"

#include "platform/screen_placement.h"
#include "settings/saved_settings.h"

namespace spanwright::layout {

LayoutOpener::LayoutOpener(settings::Store& store, const OutputOptions& options)
    : store_(store), options_(options) {}

LayoutOpener::~LayoutOpener() { Unload(); }

frmLayout* LayoutOpener::Open() {
    if (!window_) {
        // No parent: a window of its own beside the calculator, not kept in
        // front of it. A place it could not be seen at is not applied.
        window_ = new frmLayout(options_);
        window_->SetClosed([this] { SavePlace(); });
        const settings::SavedSettings saved = settings::Load(store_);
        if (saved.layoutTop || saved.layoutLeft) {
            const QPoint place(saved.layoutLeft.value_or(window_->x()), saved.layoutTop.value_or(window_->y()));
            if (platform::ShowsOnAScreen(QRect(place, window_->frameGeometry().size()), platform::AvailableScreens()))
                window_->move(place);
        }
    }
    const bool shown = window_->isVisible();
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    if (shown) window_->raise();
    window_->activateWindow();
    shown_ = true;
    return window_;
}

void LayoutOpener::Unload() {
    if (!window_) return;
    if (window_->isVisible()) SavePlace();
    delete window_.data();
}

// Where the window is now; a compositor's place is no saved place.
void LayoutOpener::SavePlace() {
    if (!shown_ || !window_ || !platform::CanPlaceWindows()) return;
    settings::SavedSettings saved;
    saved.layoutTop = window_->y();
    saved.layoutLeft = window_->x();
    settings::Save(store_, saved, settings::Writer::LayoutWindow);
}

}  // namespace spanwright::layout
