#pragma once
// A search text compared with many cell texts: "does the cell contain it",
// with the answer of QString::contains under the same case rule, made once
// for the search text.
#include <QString>
#include <QStringView>

class TTextContainsMatcher {
public:
    TTextContainsMatcher(const QString& Text, Qt::CaseSensitivity Cs);
    bool In(QStringView Hay) const;

private:
    QString FText;
    Qt::CaseSensitivity FCs;
    // Case-insensitive with an ASCII search text: the text in ASCII lower
    // case, compared directly with ASCII cells; a cell holding anything else
    // (a character that folds to an ASCII letter, such as U+017F) takes
    // QString's own comparison.
    bool FAscii = false;
    QString FLower;
};
