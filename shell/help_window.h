#pragma once
// The help viewer: ZENTRA.HLP (HTML) in a browser window of its own, owned by
// the calculator window and opened at the contents topic.

#include <QTextBrowser>

namespace zentra {

inline constexpr const char* kHelpFileName = "ZENTRA.HLP";
inline constexpr const char* kHelpContentsTopic = "contents";

class HelpWindow : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* owner);

    // Loads the help file (again) and shows its contents topic. False when the
    // file was not found; the window then says so itself.
    bool showContents();
};

// The help file in the data directories, or an empty text.
QString findHelpFile();

}  // namespace zentra
