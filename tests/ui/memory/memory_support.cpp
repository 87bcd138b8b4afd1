#include "memory_support.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "engine/mdlDisplay.h"
#include "engine/mdlDoMath.h"
#include "history/frmHistory.h"

namespace spanwright::test {
namespace {

// QTest presses the modifier keys before the key itself, as a keyboard does,
// so the keyboard map sees Ctrl (or Shift) go down first.
void Send(frmMain& w, Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers = {}) {
    QTest::sendKeyEvent(QTest::Click, &w, key, text, modifiers);
}

void Type(frmMain& w, QChar c) {
    static const QString shifted = QStringLiteral("\"*+");
    const Qt::Key key = c.isLetter() ? Qt::Key(Qt::Key_A + (c.toUpper().unicode() - u'A')) : Qt::Key(c.unicode());
    Send(w, key, c, shifted.contains(c) ? Qt::ShiftModifier : Qt::NoModifier);
}

}  // namespace

MemoryWindow::MemoryWindow(const char* listCount) {
    mdlDisplay::lngOperator = 0;
    mdlDoMath::dblTotal = 0;
    if (listCount) settings.Write(QStringLiteral("ListCount"), QString::fromUtf8(listCount));
    form = std::make_unique<frmMain>();
    form->Form_Load();
}

MemoryWindow::~MemoryWindow() {
    if (form) form->close();
}

QString MemoryWindow::Display() const { return form->lblDisplay->text(); }
QString MemoryWindow::Tag() const { return form->lblSquare->text(); }
QString MemoryWindow::History() const { return form->HistoryWindow()->Text(); }

void MemoryWindow::Keys(const QString& script) {
    frmMain& f = *form;
    for (const QString& t : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (t == QLatin1String("Enter")) Send(f, Qt::Key_Return, QStringLiteral("\r"));
        else if (t == QLatin1String("Del")) Send(f, Qt::Key_Delete, QString());
        else if (t == QLatin1String("Ctrl")) Send(f, Qt::Key_Control, QString(), Qt::ControlModifier);
        else if (t == QLatin1String("Ctrl+C")) Send(f, Qt::Key_C, QStringLiteral("\x03"), Qt::ControlModifier);
        else if (t == QLatin1String("Ctrl+V")) Send(f, Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);
        else if (t == QLatin1String("Ctrl+Shift+C"))
            Send(f, Qt::Key_C, QStringLiteral("\x03"), Qt::ControlModifier | Qt::ShiftModifier);
        else if (t.size() == 1) Type(f, t[0]);
        else qFatal("no key %s", qPrintable(t));
    }
}

void MemoryWindow::Click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }

void MemoryWindow::StoreKeyed(const QString& digits) {
    if (!Display().isEmpty() && Display() != QLatin1String("0")) Keys(QStringLiteral("Del"));
    QStringList keys;
    for (QChar c : digits) keys << QString(c);
    Keys(keys.join(QLatin1Char(' ')));
    Click(form->cmdStore);
}

QMenu& MemoryWindow::OpenRecall() {
    Click(form->cmdRecall);
    QMenu& menu = form->cp->Menu();
    if (!menu.isVisible()) qFatal("the Recall menu did not open");
    return menu;
}

void MemoryWindow::Recall(int n) {
    QMenu& menu = OpenRecall();
    for (QAction* action : menu.actions()) {
        if (action->data().toInt() != n) continue;
        QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(action).center());
        return;
    }
    qFatal("no item %d in the Recall menu", n);
}

QStringList MemoryWindow::Stored() const {
    QStringList texts;
    for (std::int32_t i = 3; i <= form->cp->MenuItemCount(); ++i) texts << form->cp->MenuItemCaption(i);
    return texts;
}

void MemoryWindow::SquareUnits(bool decimalFeet) {
    Click(form->cmdOptions);
    if (decimalFeet) Click(form->optOutput[1]);
    Click(form->chkSquare);
    const int position = form->cmbFormat->findText(decimalFeet ? QStringLiteral("Square Feet") : QStringLiteral("Square Inches"));
    if (position < 0) qFatal("no square format in the list");
    form->cmbFormat->setCurrentIndex(position);
}

}  // namespace spanwright::test
