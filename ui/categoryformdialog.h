#pragma once

#include "data/category.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// Collects a new top-level category, a new subcategory or an edited
// category. It stores nothing: the caller reads category() after accept.
class CategoryFormDialog : public QDialog
{
    Q_OBJECT

public:
    CategoryFormDialog(const QString &parentId, const QString &parentName, QWidget *parent = nullptr);
    CategoryFormDialog(const Category &category, const QString &parentName, QWidget *parent = nullptr);
    ~CategoryFormDialog() override;

    Category category() const;

private:
    void setupUi(const QString &parentName);
    void loadCategory();
    void setTaxCodeEnabled(bool enabled);

    QLineEdit *m_nameEdit = nullptr;
    QComboBox *m_typeCombo = nullptr;
    QCheckBox *m_taxRelevantCheck = nullptr;
    QLineEdit *m_taxCodeEdit = nullptr;
    QLabel *m_taxCodeLabel = nullptr;
    QLabel *m_parentLabel = nullptr;

    Category m_category;
    QString m_parentId;
    bool m_editing = false;
    // The type list offers no Transfer item; a transfer category keeps its
    // type until the user picks one from the list.
    bool m_keepTransferType = false;
};
