#pragma once
#include <QStringList>
#include <QWidget>
#include <map>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace mirevo {

class TextGrid;

// The entry panel of the registration window ("再下請負業者情報"): one
// field per company record column 1–42 and 47 under its component name
// (Edit42 … Edit73, ComboBox11 … ComboBox21, Edit75, Edit1), the pairs
// "選任"/"非選任" (RadioButton3/4) and "有"/"無" (RadioButton17/18).
class CompanyEntryPanel : public QWidget {
    Q_OBJECT
public:
    explicit CompanyEntryPanel(QWidget* parent = nullptr);

    // Columns 1–42, 47 and 48 of `row`; the dedication (column 46) too when
    // `withDedication`.
    void showRow(const TextGrid& list, int row, bool withDedication);
    // The panel as a company record of 50 cells: columns 1–42, 46 ("1" for
    // "非選任"), 47 and 48 ("1" for "有"); the others empty.
    QStringList record() const;
    bool notDedicated() const;

    QString companyName() const;
    QString businessId() const;
    QLabel* rowLabel() const { return rowLabel_; }
    QPushButton* registerButton() const { return registerButton_; }
    QPushButton* workersButton() const { return workersButton_; }
    QPushButton* webButton() const { return webButton_; }

private:
    QWidget* buildTitleStrip();
    QGroupBox* buildNameGroup();
    QGroupBox* buildLedgerGroup();
    QGroupBox* buildInsuranceGroup();
    QGroupBox* buildUpperGroup();
    void bindEntryAids();

    // Field of a company column, placed at (row, column) of `grid`.
    QLineEdit* edit(int companyColumn, QGridLayout* grid, int row, int column, int width, int span = 1);
    QComboBox* combo(int companyColumn, const QStringList& items, QGridLayout* grid, int row, int column, int width);
    QWidget* field(int companyColumn) const;
    void setField(int companyColumn, const QString& text);
    QString fieldText(int companyColumn) const;

    std::map<int, QWidget*> fields_; // company column → field
    QRadioButton* dedicated_ = nullptr;
    QRadioButton* notDedicated_ = nullptr;
    QRadioButton* specialistYes_ = nullptr;
    QRadioButton* specialistNo_ = nullptr;
    QLabel* rowLabel_ = nullptr;
    QPushButton* registerButton_ = nullptr;
    QPushButton* workersButton_ = nullptr;
    QPushButton* webButton_ = nullptr;
};

} // namespace mirevo
