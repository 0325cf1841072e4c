#pragma once

#include "entries/ui/EntryViewer.h"

namespace zedur {

// The two viewers of the issue screen (WIP lots, raw-material transfers): boxes named after
// their columns ("ed" + column) over the same descriptive columns, each under its own prefix.
class IssueViewer : public EntryViewer
{
    Q_OBJECT

protected:
    struct Field {
        QString stem; // column after the table prefix: "Serial", "SuKg", ...
        QString label;
        bool number = false; // shown "#,##0.0000"
    };
    // The boxes both viewers show, in the order of the row; `extra` goes before the kind
    // and the closing mark.
    static QVector<Field> rowFields(const QVector<Field> &extra);
    // `prefix` is the table's column prefix ("Gong_").
    IssueViewer(const ScreenSetup &setup, const Period &shown, const QString &prefix, const QVector<Field> &fields,
                const QVector<GridColumn> &columns, const QVector<SearchItem> &searchItems,
                const QVector<SortItem> &sortItems);

    QLineEdit *stemBox(const QString &stem) const;
    // After a delete the search starts over from its first entries.
    void rowDeleted() override;

private:
    static QVector<ViewerField> viewerFields(const QString &prefix, const QVector<Field> &fields);

    QString m_prefix;
};

} // namespace zedur
