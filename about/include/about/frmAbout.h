#pragma once
// The About box: the program's icon, "Spanwright" in dark red, "Version 2.0.0" (from
// project(VERSION) in the root CMakeLists.txt), the maker's note with the
// contact address, a link to the home page, and OK.
//
// The main window's About button shows it modal and returns when it closes:
//   void frmMain::cmdAbout_Click() {
//       frmAbout::ShowModal(this);   // blocks; the main window takes no input meanwhile
//       setFocus();                  // keys go back to the keyboard map
//   }
// Nothing persists between showings: every call builds a fresh box.
//
//   lblVersion->text()     -> "Version 2.0.0"
//   lblDescription->text() -> "\r\n\r\nSpanwright is a product of Ostrel Software. Please
//                              direct ... regarding this software to spanwright@ostrel.example"
//   click on Label1, or Tab to it and Space -> the URL opener gets https://ostrel.example/spanwright
//   Enter, Esc or OK       -> the box closes and ShowModal returns (OK has
//                             the focus first; Enter presses it wherever the focus is)
#include <QDialog>
#include <QUrl>
#include <functional>

#include "platform/link_label.h"

class QLabel;
class QPushButton;

namespace spanwright {

class frmAbout : public QDialog {
    Q_OBJECT
public:
    // Opens an address in the user's browser; the result is ignored.
    using UrlOpener = std::function<void(const QUrl&)>;

    // Builds the box and runs Form_Load; shown by exec() or ShowModal.
    explicit frmAbout(QWidget* parent = nullptr);
    ~frmAbout() override;

    // cmdAbout_Click's whole work: a fresh box, modal over parent, until closed.
    static void ShowModal(QWidget* parent);

    // Replaces the browser (tests); an empty opener restores QDesktopServices.
    static void SetUrlOpener(UrlOpener opener);

    static QUrl HomePage();

    void Label1_Click();
    void cmdOK_Click();

    QWidget* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    platform::LinkLabel* Label1 = nullptr;
    QPushButton* cmdOK = nullptr;
    QWidget* Shape1 = nullptr;
    QWidget* Shape2 = nullptr;

private:
    void Form_Load();
    void FitCaptions();
};

}  // namespace spanwright
