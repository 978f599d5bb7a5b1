#include "shell/about_dialog.h"

#include <sys/statvfs.h>
#include <sys/sysinfo.h>
#include <sys/utsname.h>

#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QSysInfo>
#include <algorithm>
#include <optional>

#include "dialogs/system_info_text.h"
#include "engine/calculator.h"
#include "shell/dialogs/dialog_layout.h"
#include "zentra_version.h"

namespace zentra {
namespace {

QFont swissFont(int pixels) {
    QFont font;  // the platform's default proportional sans-serif face
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    return font;
}

QIcon applicationIcon() {
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull() && QFile::exists(QStringLiteral(":/icons/zentra.png")))
        icon = QIcon(QStringLiteral(":/icons/zentra.png"));
    return icon;
}

// Free memory from the kernel's own estimate of what can be had without swapping.
std::optional<std::uint64_t> availableMemoryBytes() {
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    if (meminfo.open(QIODevice::ReadOnly | QIODevice::Text)) {
        while (!meminfo.atEnd()) {
            const QByteArray line = meminfo.readLine();
            if (line.startsWith("MemAvailable:")) {
                bool ok = false;
                const qulonglong kb = line.mid(13).trimmed().split(' ').value(0).toULongLong(&ok);
                if (ok) return static_cast<std::uint64_t>(kb) * 1024;
            }
        }
    }
    struct sysinfo info {};
    if (sysinfo(&info) == 0) return static_cast<std::uint64_t>(info.freeram) * info.mem_unit;
    return std::nullopt;
}

std::optional<std::uint64_t> freeDiskBytes() {
    struct statvfs fs {};
    if (statvfs(".", &fs) != 0) return std::nullopt;
    return static_cast<std::uint64_t>(fs.f_bavail) * fs.f_frsize;
}

QString operatingSystemText() {
    struct utsname names {};
    if (uname(&names) != 0) return {};
    return QString::fromStdString(linuxVersionText(names.sysname, names.release,
                                                   QSysInfo::prettyProductName().toStdString()));
}

}  // namespace

VersionTexts versionTextsFrom(const QString& productVersion, const QString& copyright,
                              const QString& trademarks, const QString& comments) {
    VersionTexts t;
    t.programName = QString::fromLatin1(kTitleBase);
    t.versionText = QStringLiteral("(Version unknown");
    t.rightsText = QString::fromUtf8(kProductCopyright);
    if (!productVersion.isEmpty()) t.versionText = QStringLiteral("Version ") + productVersion;
    if (!copyright.isEmpty()) t.rightsText = copyright;
    if (!trademarks.isEmpty()) t.trademarksText = trademarks;
    if (!comments.isEmpty()) t.commentsText = comments;
    t.aboutTitle = QStringLiteral("About ") + t.programName;
    return t;
}

VersionTexts readVersionInfo() {
    return versionTextsFrom(
        QString::fromUtf8(kProductVersion), QString::fromUtf8(kProductCopyright),
        QString::fromUtf8(kProductTrademarks), QString::fromUtf8(kProductComments));
}

// --- IconButton -----------------------------------------------------------------

IconButton::IconButton(QWidget* parent) : QAbstractButton(parent) {
    setEnabled(false);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_NoSystemBackground);
    resize(sizeHint());
}

QSize IconButton::sizeHint() const {
    return {2 * 32 + 8, 2 * 32 + 8};
}

void IconButton::paintEvent(QPaintEvent*) {
    const QIcon icon = applicationIcon();
    if (icon.isNull()) return;
    const int w = width(), h = height();
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect face(2, 2, w - 8, h - 8);
    icon.paint(&painter, face);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, w - 4, h - 4);
    painter.fillRect(QRect(QPoint(w - 4, 4), QPoint(w - 1, h - 1)), Qt::darkGray);
    painter.fillRect(QRect(QPoint(4, h - 4), QPoint(w - 1, h - 1)), Qt::darkGray);
}

// --- AboutDialog ------------------------------------------------------------------

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    const VersionTexts texts = readVersionInfo();
    DialogBuilder b(this, templateFont(10), 240, 93, texts.aboutTitle);
    auto* icon = new IconButton(this);
    icon->move(b.units().map(7, 7, 0, 0).topLeft());
    icon->setObjectName(QStringLiteral("c1008"));
    icon->setAccessibleName(QStringLiteral("Zentra icon"));

    const QFont large = swissFont(16), small = swissFont(11);
    auto text = [&](int id, const QString& value, int x, int y, int w, int h, const QFont& font,
                    bool centred) {
        QLabel* l = b.label(id, value, x, y, w, h);
        l->setFont(font);
        l->setWordWrap(true);
        if (centred) l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        // The 16-pixel face is taller than the template's 9 units at some
        // scales: the text keeps its lines whole, reaching a little lower.
        l->resize(l->width(), std::max(l->height(), l->heightForWidth(l->width())));
        return l;
    };
    text(131, texts.programName, 54, 9, 124, 9, large, false);
    text(157, texts.versionText, 54, 22, 130, 9, large, false);
    text(1001, texts.commentsText, 54, 35, 129, 24, large, false);
    text(156, texts.rightsText, 6, 62, 176, 8, small, true);
    text(1000, texts.trademarksText, 6, 74, 176, 15, small, true);

    QPushButton* ok = b.okButton(188, 6, 46, 13);
    ok->setDefault(true);
    QPushButton* maker =
        b.button(124, QLatin1Char('&') + QString::fromUtf8(kProductMaker), 188, 23, 46, 13);
    QPushButton* authors = b.button(126, QStringLiteral("Authors"), 188, 57, 46, 13);
    QPushButton* system = b.button(153, QStringLiteral("System Info"), 188, 74, 46, 13);
    controls_ = b.controls();
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(maker, &QPushButton::clicked, this, [this] { MakerDialog(this).exec(); });
    connect(authors, &QPushButton::clicked, this, [this] { AuthorsDialog(this).exec(); });
    connect(system, &QPushButton::clicked, this, [this] { SystemInfoDialog(this).exec(); });
}

QLabel* AboutDialog::textControl(int id) const {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : qobject_cast<QLabel*>(it->second);
}

// --- MakerDialog and AuthorsDialog ------------------------------------------------

namespace {

// Where the pictures go: 20 pixels right of and 40 below the outer frame's
// corner, which in client coordinates is less the frame itself.
QPoint pictureOrigin(const QWidget* dialog) {
    const QPoint frame = dialog->geometry().topLeft() - dialog->frameGeometry().topLeft();
    return QPoint(20, 40) - frame;
}

void drawBanner(QPainter& painter, const QRect& area) {
    QLinearGradient gradient(area.topLeft(), area.topRight());
    gradient.setColorAt(0, QColor(0, 0, 64));
    gradient.setColorAt(1, QColor(0, 128, 160));
    painter.fillRect(area, gradient);
    QFont font = swissFont(area.height() * 3 / 5);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0, 255, 255));
    painter.drawText(area.adjusted(12, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                     QString::fromUtf8(kProductMaker));
}

}  // namespace

MakerDialog::MakerDialog(QWidget* parent) : QDialog(parent) {
    DialogBuilder b(this, templateFont(10), 290, 150, QString::fromUtf8(kProductMaker));
    const QFont font = swissFont(14);
    const char* lines[] = {
        "Vantrell makes small, dependable tools for engineers.",
        "Zentra is its pocket calculator for the desktop.",
        "Post: Vantrell, 12 Harbour Lane, Portwick",
        "Mail: zentra@vantrell.example",
    };
    int y = 70;
    for (const char* line : lines) {
        b.label(-1, QString::fromUtf8(line), 10, y, 270, 11)->setFont(font);
        y += 14;
    }
    QPushButton* ok = b.okButton(120, 130, 50, 14);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void MakerDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    drawBanner(painter, QRect(pictureOrigin(this), QSize(412, 56)).intersected(rect()));
}

AuthorsDialog::AuthorsDialog(QWidget* parent) : QDialog(parent) {
    DialogBuilder b(this, templateFont(10), 260, 140, QStringLiteral("Authors"));
    const QFont font = swissFont(16);
    // Paragraphs the label breaks where the face needs: the texts do not
    // depend on a face as wide as the template's.
    const struct {
        const char* text;
        int height;
    } paragraphs[] = {
        {"Zentra was written by the Zentra authors.", 24},
        {"With thanks to everyone who tried it and told us what they needed.", 52},
    };
    int y = 8;
    for (const auto& paragraph : paragraphs) {
        QLabel* label =
            b.label(-1, QString::fromUtf8(paragraph.text), 110, y, 145, paragraph.height);
        label->setFont(font);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        y += paragraph.height + 4;
    }
    QPushButton* ok = b.okButton(200, 120, 50, 14);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void AuthorsDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect area(pictureOrigin(this), QSize(148, 113));
    const QIcon icon = applicationIcon();
    if (!icon.isNull()) icon.paint(&painter, area);
}

// --- SystemInfoDialog ---------------------------------------------------------------

SystemInfoDialog::SystemInfoDialog(QWidget* parent) : QDialog(parent) {
    // Wider than the template: Linux reports longer values than the texts it was
    // made for, and the substitute for Arial is a wider face.
    DialogBuilder b(this, templateFont(8), 300, 112, QStringLiteral("System parameters...."));
    QPushButton* ok = b.okButton(252, 6, 43, 14);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(b.units().map(4, 4, 244, 104));
    panel->lower();

    QFont font(QString::fromLatin1(kTemplateFace));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(16);
    const struct {
        const char* label;
        int id;
        int lines;
    } rows[] = {
        {"Available Memory:", 102, 1}, {"CPU type:", 101, 1}, {"Arith. Co-processor:", 106, 1},
        {"Disk Space:", 107, 1},       {"CPU mode:", 108, 1}, {"Operating System:", 109, 4}};
    int y = 9;
    for (const auto& row : rows) {
        b.label(-1, QString::fromLatin1(row.label), 10, y, 104, 12)->setFont(font);
        QLabel* value =
            b.label(row.id, QStringLiteral("Unavailable"), 116, y, 130, row.lines > 1 ? 48 : 12);
        value->setFont(font);
        value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        values_[row.id] = value;
        y += 10;
    }

    if (auto bytes = availableMemoryBytes())
        values_[102]->setText(QString::fromStdString(kilobytesFreeText(*bytes)));
    const QString arch = QSysInfo::currentCpuArchitecture();
    values_[101]->setText(QString::fromStdString(cpuTypeText(processorTypeOf(arch.toStdString()))) +
                          QStringLiteral(" (") + arch + QLatin1Char(')'));
    values_[108]->setText(QStringLiteral("Enhanced"));
    values_[106]->setText(QStringLiteral("Present"));
    if (const QString os = operatingSystemText(); !os.isEmpty()) {
        values_[109]->setText(os);
        values_[109]->setWordWrap(true);
    }
    if (auto bytes = freeDiskBytes())
        values_[107]->setText(QString::fromStdString(kilobytesFreeText(*bytes)));
}

QString SystemInfoDialog::value(int id) const {
    auto it = values_.find(id);
    return it == values_.end() ? QString() : it->second->text();
}

}  // namespace zentra
