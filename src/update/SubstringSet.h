#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

#include <array>
#include <vector>

// Which of a set of texts occur inside other texts, in one pass over each text whatever the number of
// texts looked for (an automaton over all of them, built once). Case-sensitive, by UTF-16 code units,
// exactly as QString::contains.
class SubstringSet
{
public:
    // Empty texts are never found.
    explicit SubstringSet(const QStringList& lstPatterns);

    // Sets (*pFound)[i] for each pattern i that occurs in sText; pFound has one entry per pattern.
    void scan(QStringView text, QVector<bool>* pFound) const;
    int patternCount() const { return m_nPatterns; }

private:
    int column(QChar c) const
    {
        const ushort u = c.unicode();
        return u < 256 ? m_latin[u] : m_alphabet.value(u, 0);
    }
    void addToAlphabet(QChar c);
    void build(const QStringList& lstPatterns);

    int m_nPatterns = 0;
    int m_nColumns = 1;              // column 0: a character no pattern holds
    std::array<int, 256> m_latin{};  // the columns of the first 256 characters, looked up directly
    QHash<ushort, int> m_alphabet;   // and of the others
    std::vector<int> m_next;         // state * m_nColumns + column -> state
    QVector<QVector<int>> m_outputs; // patterns ending at a state, through its fallbacks too
};
