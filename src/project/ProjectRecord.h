#pragma once
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

namespace mirevo {

// The header, orderer, prime contractor and contractor editor fields of a
// project, each addressed by the name of the control that shows it
// ("Edit10", "ComboBox7"). Every field is one line of text; the two
// dedication choices are flags.
class ProjectRecord : public QObject {
    Q_OBJECT
public:
    static constexpr int kEdits = 85;
    static constexpr int kCombos = 21;

    ProjectRecord();

    QString text(const QString& field) const;
    QString text(const char* field) const { return text(QString::fromLatin1(field)); }
    void setText(const QString& field, const QString& text);

    // "選任" (RadioButton5) / "非選任" (RadioButton6) of the prime contractor.
    bool primeNotDedicated() const { return primeNotDedicated_; }
    void setPrimeNotDedicated(bool notDedicated);
    // "選任" (RadioButton3) / "非選任" (RadioButton4) of the contractor editor.
    bool editorNotDedicated() const { return editorNotDedicated_; }
    void setEditorNotDedicated(bool notDedicated);

    static QString initialText(const QString& field);
    // The initial text of a header, orderer or prime contractor field.
    static QString fixedInitialText(const QString& field);
    static bool isField(const QString& field);
    static QStringList fieldNames();

signals:
    void fieldChanged(const QString& field);

private:
    QHash<QString, QString> texts_;
    bool primeNotDedicated_ = false;
    bool editorNotDedicated_ = false;
};

} // namespace mirevo
