#pragma once

#include <QString>
#include <QStringList>

// What the map page shows of the map shop: four credit values, three shop addresses, the add-on
// query's result and the map-language list. Each is read from the work list its answer left; the lists
// are opened read-only and never created.
class MapShopValues
{
public:
    // Sets the four credit values to "0", then takes total, available, expired and first date from the
    // credit list (a later row wins); false when a row is too short (earlier values stay). A missing
    // list gives the "0" values and true.
    bool GenerateCreditExpiredDay();
    // Empties the three addresses, then takes each row's address for its region type ("addition",
    // "addition+credits", "credits"; a later row wins); false when the list is missing or a row short.
    bool GenerateEShopURL();
    // Replaces the language list by the language rows; a missing list keeps the old one.
    void readMapLanguageScript();
    // Puts a ", "-separated list of English names into the interface language: each item becomes the
    // display names of the language rows with that English name, or stays as it is.
    QString uniqueList(const QString& sText) const;
    // The add-on query's result text, with a flag that it is not empty.
    void setQueryAddMapResult(const QString& sText);

    // The page to open for a shop address: "%1&UUID=%2" with the UUID percent-encoded; "" for an
    // empty address or one that is not http or https.
    static QString shopPage(const QString& sAddress, const QString& sUUID);

    QString creditTotal() const { return m_sCreditTotal; }
    QString creditAvailable() const { return m_sCreditAvailable; }
    QString creditExpired() const { return m_sCreditExpired; }
    QString creditExpiredDay() const { return m_sCreditFirstDate; }
    QString additionUrl() const { return m_sAdditionUrl; }
    QString additionCreditsUrl() const { return m_sAdditionCreditsUrl; }
    QString creditsUrl() const { return m_sCreditsUrl; }
    QString queryAddMapResult() const { return m_sQueryAddMapResult; }
    bool hasQueryAddMapResult() const { return m_bQueryAddMapResult; }
    QStringList mapLanguages() const { return m_lstLanguages; }

private:
    QString m_sCreditTotal = "0";
    QString m_sCreditAvailable = "0";
    QString m_sCreditExpired = "0";
    QString m_sCreditFirstDate = "0";
    QString m_sAdditionUrl;
    QString m_sAdditionCreditsUrl;
    QString m_sCreditsUrl;
    QString m_sQueryAddMapResult;
    bool m_bQueryAddMapResult = false;
    QStringList m_lstLanguages;
};
