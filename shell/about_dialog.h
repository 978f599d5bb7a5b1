#pragma once
// The About dialog with its maker, authors and "System parameters...."
// dialogs, the version texts of the build, and the large-icon button.

#include <QAbstractButton>
#include <QDialog>
#include <QString>

class QLabel;

namespace zentra {

struct VersionTexts {
    QString programName;
    QString versionText;
    QString rightsText;
    QString trademarksText;
    QString commentsText;
    QString aboutTitle;
};

// The build's version texts; a text the build left empty keeps its fallback
// ("(Version unknown" for the version, the maker's rights line for the rights).
VersionTexts versionTextsFrom(const QString& productVersion, const QString& copyright,
                              const QString& trademarks, const QString& comments);
VersionTexts readVersionInfo();

// The application icon at twice its size, with a black outline and a
// dark-grey drop shadow. It cannot be pressed.
class IconButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit IconButton(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
    QLabel* textControl(int id) const;

private:
    std::map<int, QWidget*> controls_;
};

class MakerDialog : public QDialog {
    Q_OBJECT
public:
    explicit MakerDialog(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

class AuthorsDialog : public QDialog {
    Q_OBJECT
public:
    explicit AuthorsDialog(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

class SystemInfoDialog : public QDialog {
    Q_OBJECT
public:
    explicit SystemInfoDialog(QWidget* parent = nullptr);
    // The value shown in a row's control (102, 101, 106, 107, 108, 109).
    QString value(int id) const;

private:
    std::map<int, QLabel*> values_;
};

}  // namespace zentra
