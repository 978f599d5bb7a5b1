#include "shell/help_window.h"

#include <QFileInfo>
#include <QUrl>

#include "platform/system_facts.h"

namespace zentra {

QString findHelpFile() {
    for (const std::string& dir : dataDirectories()) {
        const QString path = QString::fromStdString(dir) + QLatin1Char('/') + kHelpFileName;
        if (QFileInfo::exists(path)) return path;
    }
    return {};
}

HelpWindow::HelpWindow(QWidget* owner) : QTextBrowser(owner) {
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Zentra Help"));
    setOpenExternalLinks(true);
    resize(560, 520);
}

bool HelpWindow::showContents() {
    const QString path = findHelpFile();
    if (path.isEmpty()) {
        setHtml(QStringLiteral("<p>The help file %1 could not be found.</p>")
                    .arg(QString::fromLatin1(kHelpFileName)));
        return false;
    }
    QUrl url = QUrl::fromLocalFile(path);
    url.setFragment(QString::fromLatin1(kHelpContentsTopic));
    // The file's name does not say HTML, so say it here.
    setSource(url, QTextDocument::HtmlResource);
    return true;
}

}  // namespace zentra
