#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QPushButton>
#include <QTest>

#include "shell/dialogs/font_colour_dialog.h"

namespace zentra {
namespace {

TEST(FontColourDialog, StartsFromTheGivenFontAndColour) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    FontColourDialog dialog(font, QColor(0, 255, 255));
    EXPECT_EQ(dialog.selectedColour(), QColor(0, 255, 255));
    EXPECT_EQ(dialog.selectedFont().family(), font.family());
    EXPECT_TRUE(dialog.selectedFont().bold());
}

TEST(FontColourDialog, ReportsTheFontAndColourChosenInIt) {
    FontColourDialog dialog(QFont(QStringLiteral("DejaVu Sans")), QColor(0, 255, 255));
    QFont chosen(QStringLiteral("DejaVu Sans"));
    chosen.setItalic(true);
    chosen.setUnderline(true);
    dialog.fontChooser()->setCurrentFont(chosen);
    dialog.setSelectedColour(QColor(200, 10, 10));
    EXPECT_TRUE(dialog.selectedFont().italic());
    EXPECT_TRUE(dialog.selectedFont().underline());
    EXPECT_EQ(dialog.selectedColour(), QColor(200, 10, 10));
}

TEST(FontColourDialog, OkAcceptsAndCancelRejects) {
    for (const auto& [button, expected] :
         {std::pair{QDialogButtonBox::Ok, QDialog::Accepted},
          std::pair{QDialogButtonBox::Cancel, QDialog::Rejected}}) {
        FontColourDialog dialog(QFont(), QColor(0, 0, 0));
        auto* box = dialog.findChild<QDialogButtonBox*>();
        ASSERT_NE(box, nullptr);
        dialog.show();
        QTest::mouseClick(box->button(button), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), expected);
    }
}

// Enter and Escape in the embedded chooser end the whole dialog, not only the chooser.
TEST(FontColourDialog, EnterAndEscapeInTheChooserEndTheDialog) {
    for (const auto& [key, expected] : {std::pair{Qt::Key_Return, QDialog::Accepted},
                                        std::pair{Qt::Key_Escape, QDialog::Rejected}}) {
        FontColourDialog dialog(QFont(QStringLiteral("DejaVu Sans")), QColor(0, 0, 0));
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QWidget* list = dialog.fontChooser()->focusWidget();
        QTest::keyClick(list ? list : dialog.fontChooser(), key);
        EXPECT_FALSE(dialog.isVisible()) << key;
        EXPECT_EQ(dialog.result(), expected) << key;
    }
}

}  // namespace
}  // namespace zentra
