// Key events as US, German and French keyboards send them, translated to the
// keyboard map's codes (rows in key_translations.txt).
#include <QKeyEvent>
#include <QMetaEnum>
#include <QTest>

#include "support/rows.h"
#include "platform/key_translation.h"

using spanwright::platform::TranslateKey;

class KeyTranslationTest : public QObject {
    Q_OBJECT
private slots:
    void translates_data() {
        spanwright::test::AddRows(QFINDTESTDATA("key_translations.txt"), {"key", "modifiers", "text", "code", "shift"});
    }
    void translates() {
        QFETCH(QString, key);
        QFETCH(QString, modifiers);
        QFETCH(QString, text);
        QFETCH(QString, code);
        QFETCH(QString, shift);
        bool known = true;
        const int qtKey = QMetaEnum::fromType<Qt::Key>().keyToValue(qPrintable("Key_" + key), &known);
        QVERIFY2(known, qPrintable(key));
        int qtModifiers = 0;
        for (const QString& m : modifiers.split(u'+', Qt::SkipEmptyParts))
            qtModifiers |= QMetaEnum::fromType<Qt::KeyboardModifier>().keyToValue(qPrintable(m + "Modifier"));
        const auto vk = TranslateKey(qtKey, Qt::KeyboardModifiers(qtModifiers), text);
        QCOMPARE(QString("%1 %2").arg(vk.KeyCode).arg(vk.Shift), code + " " + shift);
    }
    void keyEventOverload() {
        const auto vk = TranslateKey(QKeyEvent(QEvent::KeyPress, Qt::Key_QuoteDbl, Qt::ShiftModifier, "\""));
        QCOMPARE(vk.KeyCode, 222);
        QCOMPARE(vk.Shift, 1);
    }
};

QTEST_GUILESS_MAIN(KeyTranslationTest)
#include "key_translation_test.moc"
