#pragma once

#include "MissingLabels.h"

#include <QDialog>

class QLabel;
class QPushButton;

// The label-creation window: offers to record the labels that catalogue rows lack, and records
// them on "作成する".
class frmRecVoice : public QDialog {
    Q_OBJECT
public:
    explicit frmRecVoice(QList<MissingLabel> missing, QWidget* parent = nullptr);

    static const QString kExplanation;
    static const QString kRecordingNote;

    QPushButton* createButton() const { return m_create; }
    QPushButton* cancelButton() const { return m_cancel; }

private:
    void Command_Create_Click();

    QList<MissingLabel> m_missing;
    QLabel* m_label;
    QPushButton* m_create;
    QPushButton* m_cancel;
};
