// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChatDocument.h"
#include "ChatTerms.h"

#include <QList>
#include <QString>

#include <string>
#include <utility>
#include <vector>

// The paragraphs of several texts (runs of lines between empty ones), each
// with its words counted, for finding the paragraphs a line of the chat
// shares the most rare words with (BM25). A changed text is read again only
// around what changed: the paragraphs before and after the edit keep their
// counts and just move, so one keystroke in a large knowledge base costs the
// paragraph it touched.
class ParagraphIndex
{
public:
    explicit ParagraphIndex(ChatTerms &terms);

    struct Hit
    {
        int document = 0;       // in the order of setDocuments
        int paragraph = 0;      // 0-based, in its text
        qsizetype position = 0; // in its text
        qsizetype length = 0;
        qsizetype line = 1; // 1-based, of its first line
        double score = 0;
    };

    // The texts to draw on, in order; texts that are gone are dropped, texts
    // that changed are read again where they changed. Documents are told
    // apart by their names.
    void setDocuments(const QList<ChatDocument> &documents);

    // The best `count` paragraphs for the (distinct, non-stop) words, best
    // first; equal scores go by document, then by place in the text.
    QList<Hit> best(const std::vector<int> &terms, int count) const;

    const QString &text(int document) const { return m_documents[size_t(document)].text; }
    const QString &name(int document) const { return m_documents[size_t(document)].name; }
    int documentCount() const { return int(m_documents.size()); }
    int paragraphCount(int document) const { return int(m_documents[size_t(document)].order.size()); }
    // How many characters the last setDocuments read again.
    qsizetype lastReadLength() const { return m_lastRead; }

private:
    struct Posting
    {
        int slot;
        int count;
    };
    struct Paragraph
    {
        int document = 0;
        qsizetype start = 0;
        qsizetype length = 0;
        qsizetype line = 1;
        int words = 0;              // counted words (stop words left out)
        std::vector<Posting> terms; // term number and count, by term
        bool used = false;
    };
    struct Document
    {
        QString name;
        QString text;
        std::vector<int> order; // in text order
    };

    void update(Document &document, int index, const QString &text);
    // Reads the paragraphs of text from `from` (a line start at `line`) up to
    // `to` (a line start); returns the line at `to`.
    qsizetype read(int document, const QString &text, qsizetype from, qsizetype to, qsizetype line,
                   std::vector<int> &order);
    int addParagraph(int document, QStringView text, qsizetype start, qsizetype length, qsizetype line);
    // The paragraphs' terms into the term lists.
    void addPostings(const std::vector<int> &paragraphs);
    void removeParagraph(int slot);

    ChatTerms &m_terms;
    std::vector<Document> m_documents;
    std::vector<Paragraph> m_slots;
    std::vector<int> m_free;
    std::vector<std::vector<Posting>> m_postings; // by term: slot and count
    qint64 m_totalWords = 0;
    int m_paragraphs = 0;
    qsizetype m_lastRead = 0;
    QString m_folded; // reused for every word
    // A paragraph's folded words, one after another, where they start and
    // their hashes: reused for every paragraph.
    std::u16string m_words;
    std::vector<std::pair<size_t, size_t>> m_wordSpans;
    std::vector<quint32> m_hashes;
    std::vector<int> m_ids;               // reused for every paragraph
    mutable std::vector<double> m_scores; // by slot
    mutable std::vector<int> m_touched;
};
