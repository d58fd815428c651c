#pragma once

// Drives the real window the way a user does, for the widget tests.

#include "form1.h"
#include "resultsmodel.h"

#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <algorithm>

inline QStringList listedRows(const Form1& form) {
    QStringList all;
    for (int i = 0; i < form.results()->rowCount(); ++i)
        all << form.results()->index(i).data().toString();
    return all;
}

// Short ASCII texts are typed key by key, short Japanese ones arrive as an input method commits
// them, and long ones, or ones no keyboard types, are pasted. Then Enter.
inline void enterText(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    const bool shortText = text.size() < 64 && !text.contains(QChar(0));
    const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() >= 0x20 && c.unicode() < 0x7F;
    });
    const bool composed = std::all_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() >= 0x3000 && !c.isSurrogate();
    });
    if (shortText && ascii) {
        QTest::keyClicks(box, text);
    } else if (shortText && composed) {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QCoreApplication::sendEvent(box, &commit);
    } else {
        box->setText(text);
    }
    QTest::keyClick(box, Qt::Key_Return);
}

inline void clickReady(Form1& form) {
    QTest::mouseClick(form.Command1, Qt::LeftButton);
}

// Ready, then x1, y1 and x2 each with Enter, as the help text describes.
inline void readyAndRun(Form1& form, const QString& x1, const QString& y1, const QString& x2) {
    clickReady(form);
    enterText(form.Text1, x1);
    enterText(form.Text3, y1);
    enterText(form.Text2, x2);
}
