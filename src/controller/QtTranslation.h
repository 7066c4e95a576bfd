#pragma once

#include <QString>

class QTranslator;

// Qt's own texts (standard buttons, field menus) in the interface language, from the system's Qt
// translations (Debian: qttranslations5-l10n). One is installed at a time, so a switch never leaves the
// previous language's texts behind.
class QtTranslation
{
public:
    QtTranslation() = default;
    ~QtTranslation();
    QtTranslation(const QtTranslation&) = delete;
    QtTranslation& operator=(const QtTranslation&) = delete;

    // Removes the one installed before and installs that of a LanguageTable code, when the system has it.
    // English needs none. Called before the agent's own file is installed, so that the agent's texts are
    // looked up first.
    void switchTo(const QString& sTableCode);

private:
    // "qt_de", "qt_zh_TW", "qt_pt_PT", "qt_nb": the system's names differ from the table's in places.
    static QString fileNameFor(const QString& sTableCode);
    void remove();

    QTranslator* m_pTranslator = nullptr;
};
