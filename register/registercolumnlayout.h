#pragma once

#include <QObject>
#include <QSettings>

class AppState;
class QTableView;
class RegisterModel;

// The Qt settings the register keeps its layout and its dismissed notices in.
QSettings registerSettings();

// The register's column layout as the user left it: widths, hidden
// columns and sort order, kept in the Qt settings as they change and
// restored when the register is built. The Date column is always shown;
// the Balance column follows its preference rather than the settings.
class RegisterColumnLayout : public QObject
{
    Q_OBJECT

public:
    RegisterColumnLayout(AppState *app, QTableView *table, RegisterModel *model, QObject *parent = nullptr);

    // The stored layout, the defaults where nothing is stored.
    void restore();
    // Forgets the stored layout and shows the default one.
    void reset();
    // Shows or hides the column and remembers it.
    void setColumnVisible(int column, bool visible);
    // Whether the settings hide the column.
    bool isHiddenInSettings(int column) const;
    // The column's width until the user sizes it.
    static int defaultWidth(int column);

private:
    AppState *m_app;
    QTableView *m_table;
    bool m_restoring = false;
};
