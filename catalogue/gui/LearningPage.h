#pragma once

#include <QRect>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class CatalogueConnection;
class CatalogueGridModel;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class RecordNavigator;
class VirtualRemoteWindow;
class frmIRDetail;
struct CatalogueRow;

// The learning page of the settings dialog: the two framed areas "リモコン信号の学習" (record, test and
// add a signal under a device number and a button number) and "記録されているリモコン操作" (the
// catalogue's grid, with testing and deleting its selected row). Its controls carry the object names
// Combo6, Combo7, Text5, Text3, Command3, Command2, Command6, Text4, DataGrid1, Adodc1, Command1 and
// Command5.
class LearningPage : public QWidget {
    Q_OBJECT
public:
    explicit LearningPage(QWidget* parent = nullptr);
    ~LearningPage() override;

    void bindGrid();               // "settings dialog opens": bind the grid, apply the layout
    void setAreasEnabled(bool on); // Check6 group action: saves / restores the three buttons' states
    void closeViewer();            // closing step 3: closes frmIRDetail (and X) if open
    void setDialogGeometryProvider(std::function<QRect()> frame); // where the viewer is placed (below/beside)

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Combo6_Click();
    void Combo7_Click();
    void Command3_Click();
    void Command2_Click();
    void Command6_Click();
    void Command5_Click();
    void Command1_Click();
    void ShowRecordPosition();

    void lookUp(bool keepNameWithoutRows);
    void setStatus(const QString& text);
    void showViewer();
    frmIRDetail* viewer();
    // The virtual remote while the virtual IR module is in use, else nullptr.
    VirtualRemoteWindow* virtualRemote();
    bool sendTestSignal(const QString& path);
    void applyGridLayout();
    std::optional<CatalogueRow> selectedRow() const;
    void selectPair(const QString& device, const QString& button);
    void waitForAddedSpeech();

    QGroupBox* m_learnFrame = nullptr;
    QGroupBox* m_listFrame = nullptr;
    QComboBox* Combo6 = nullptr;
    QComboBox* Combo7 = nullptr;
    QLineEdit* Text5 = nullptr;
    QLineEdit* Text3 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command6 = nullptr;
    QPlainTextEdit* Text4 = nullptr;
    QTableView* DataGrid1 = nullptr;
    RecordNavigator* Adodc1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command5 = nullptr;

    std::unique_ptr<CatalogueConnection> m_connection;
    CatalogueGridModel* m_model = nullptr;
    frmIRDetail* m_viewer = nullptr;
    VirtualRemoteWindow* m_remote = nullptr;
    std::function<QRect()> m_dialogFrame;
    bool m_areasEnabled = true;
    std::array<bool, 3> m_savedButtons{};
};
