#include "dialogs/dialog_view.h"

#include "base/runtime_problem.h"

namespace zentra {

template <class Handler>
bool DialogModel::guarded(DialogView& view, Handler handler) {
    DialogView* outer = view_;
    view_ = &view;
    bool done = false;
    try {
        done = handler();
    } catch (const RuntimeProblem&) {
        // Already shown to the user; only this handler is abandoned.
        done = false;
    }
    view_ = outer;
    return done;
}

void DialogModel::initialise(DialogView& view) {
    guarded(view, [this] {
        onInitialise();
        return true;
    });
}

void DialogModel::selectionChanged(DialogView& view, ControlId list) {
    guarded(view, [this, list] {
        onSelectionChanged(list);
        return true;
    });
}

void DialogModel::clicked(DialogView& view, ControlId button) {
    guarded(view, [this, button] {
        onClicked(button);
        return true;
    });
}

void DialogModel::fieldLeft(DialogView& view, ControlId edit) {
    guarded(view, [this, edit] {
        onFieldLeft(edit);
        return true;
    });
}

bool DialogModel::accept(DialogView& view) {
    return guarded(view, [this] { return onAccept(); });
}

}  // namespace zentra
