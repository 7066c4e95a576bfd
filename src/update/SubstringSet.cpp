#include "SubstringSet.h"

#include <QQueue>

SubstringSet::SubstringSet(const QStringList& lstPatterns) : m_nPatterns(lstPatterns.size())
{
    for (const QString& sPattern : lstPatterns) {
        for (const QChar c : sPattern)
            addToAlphabet(c);
    }
    build(lstPatterns);
}

void SubstringSet::addToAlphabet(QChar c)
{
    if (column(c) != 0)
        return;
    if (c.unicode() < 256)
        m_latin[c.unicode()] = m_nColumns++;
    else
        m_alphabet.insert(c.unicode(), m_nColumns++);
}

// The trie of the patterns, then every missing step filled with the step of the longest suffix state
// (breadth first), so a scan is one table step per character.
void SubstringSet::build(const QStringList& lstPatterns)
{
    int nChars = 0;
    for (const QString& sPattern : lstPatterns)
        nChars += sPattern.size();
    m_next.reserve(size_t(nChars + 1) * size_t(m_nColumns));
    m_next.assign(size_t(m_nColumns), -1);
    m_outputs.reserve(nChars + 1);
    m_outputs.resize(1);
    for (int i = 0; i < lstPatterns.size(); ++i) {
        const QString& sPattern = lstPatterns.at(i);
        if (sPattern.isEmpty())
            continue;
        int nState = 0;
        for (const QChar c : sPattern) {
            const size_t nSlot = size_t(nState * m_nColumns + column(c));
            if (m_next[nSlot] < 0) {
                m_next[nSlot] = m_outputs.size();
                m_outputs.append(QVector<int>());
                m_next.resize(m_next.size() + size_t(m_nColumns), -1);
            }
            nState = m_next[nSlot];
        }
        m_outputs[nState].append(i);
    }
    QVector<int> fallback(m_outputs.size(), 0);
    QQueue<int> queue;
    for (int nColumn = 0; nColumn < m_nColumns; ++nColumn) {
        int& nTarget = m_next[nColumn];
        if (nTarget < 0) {
            nTarget = 0;
        } else {
            fallback[nTarget] = 0;
            queue.enqueue(nTarget);
        }
    }
    while (!queue.isEmpty()) {
        const int nState = queue.dequeue();
        if (!m_outputs.at(fallback.at(nState)).isEmpty())
            m_outputs[nState] += m_outputs.at(fallback.at(nState));
        const size_t nRow = size_t(nState * m_nColumns);
        const size_t nFallbackRow = size_t(fallback.at(nState) * m_nColumns);
        for (size_t nColumn = 0; nColumn < size_t(m_nColumns); ++nColumn) {
            const int nViaFallback = m_next[nFallbackRow + nColumn];
            int& nTarget = m_next[nRow + nColumn];
            if (nTarget < 0) {
                nTarget = nViaFallback;
            } else {
                fallback[nTarget] = nViaFallback;
                queue.enqueue(nTarget);
            }
        }
    }
}

void SubstringSet::scan(QStringView text, QVector<bool>* pFound) const
{
    int nState = 0;
    for (const QChar c : text) {
        nState = m_next[size_t(nState * m_nColumns + column(c))];
        const QVector<int>& outputs = m_outputs.at(nState);
        for (const int nPattern : outputs)
            (*pFound)[nPattern] = true;
    }
}
