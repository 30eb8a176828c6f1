// TTeeExportFormBase: the export dialog. A panel is copied to the clipboard, saved to a file
// or sent by e-mail in one of three kinds: as a picture of a registered picture format in a
// chosen size (Picture tab, the format's options form embedded), as the panel's own stream
// (Native tab) or, in the subclass, as the series' data (Data tab). The stream and data
// parts are hooks the subclass fills for charts.
#pragma once

#include "platform/controls/CustomForm.h"

class TButton;
class TCheckBox;
class TComboBox;
class TCustomTeePanel;
class TEdit;
class TGroupBox;
class TLabel;
class TListBox;
class TMemoryStream;
class TPageControl;
class TPanel;
class TRadioGroup;
class TSaveDialog;
class TSeriesData;
class TStringList;
class TTabSheet;
class TTeeExportFormat;
class TUpDown;

class TTeeExportFormBase : public TForm {
    ORVO_CLASS(TTeeExportFormBase, TForm)
public:
    explicit TTeeExportFormBase(TComponent* AOwner);
    ~TTeeExportFormBase() override;

    TCustomTeePanel* ExportPanel = nullptr;
    // Initial folder of the save dialogs.
    String InitDir;

    // The picture format selected in the list (null when none).
    TTeeExportFormat* SelectedFormat() const;
    // The text delimiter the Data tab's boxes choose.
    QChar Delimiter() const;
    // The data filter entry the Data tab's choices select (counted from 1).
    int DataFilterIndex() const;
    // The extension of the file the current tab writes (without ".").
    String CurrentExtension() const;
    // Writes what the current tab exports into FileName, as "&Save..." does once confirmed.
    void SaveCurrentTo(const String& FileName);
    // Sets the size boxes as the user does (the other follows with the aspect kept).
    void SetPictureWidth(int Value);
    void SetPictureHeight(int Value);
    int PictureWidth() const;
    int PictureHeight() const;
    double Aspect() const { return IAspect; }
    // The picture save dialog's filter as last filled.
    String PictureFilter() const;

    // Handlers named in the form resource.
    void FormShow(TObject* Sender);
    void FormCreate(TObject* Sender);
    void PageControl1Change(TObject* Sender);
    void LBFormatClick(TObject* Sender);
    void PageOptionsChange(TObject* Sender);
    void EWidthChange(TObject* Sender);
    void EHeightChange(TObject* Sender);
    void CBPicSizeClick(TObject* Sender);
    void CBNativeFormatClick(TObject* Sender);
    void CBFileSizeClick(TObject* Sender);
    void BViewNativeClick(TObject* Sender);
    void RGTextClick(TObject* Sender);
    void CBDelimChange(TObject* Sender);
    void CBUseSeriesFormatClick(TObject* Sender);
    void BFormatClick(TObject* Sender);
    void BCopyClick(TObject* Sender);
    void BSaveClick(TObject* Sender);
    void BSendClick(TObject* Sender);

    // From the form resource.
    TPageControl* PageControl1 = nullptr;
    TTabSheet* TabPicture = nullptr;
    TTabSheet* TabNative = nullptr;
    TTabSheet* TabData = nullptr;
    TGroupBox* GBFormat = nullptr;
    TListBox* LBFormat = nullptr;
    TPageControl* PageOptions = nullptr;
    TTabSheet* TabOptions = nullptr;
    TTabSheet* TabSize = nullptr;
    TLabel* LabelWidth = nullptr;
    TEdit* EWidth = nullptr;
    TUpDown* UDWidth = nullptr;
    TLabel* LabelHeight = nullptr;
    TEdit* EHeight = nullptr;
    TUpDown* UDHeight = nullptr;
    TCheckBox* CBAspect = nullptr;
    TCheckBox* CBPicSize = nullptr;
    TLabel* LabelPicSize = nullptr;
    TCheckBox* CBNativeData = nullptr;
    TRadioGroup* CBNativeFormat = nullptr;
    TCheckBox* CBFileSize = nullptr;
    TLabel* LabelSize = nullptr;
    TButton* BViewNative = nullptr;
    TLabel* LabelSeries = nullptr;
    TComboBox* CBSeries = nullptr;
    TRadioGroup* RGText = nullptr;
    TCheckBox* CBUseSeriesFormat = nullptr;
    TLabel* LabelValueFormat = nullptr;
    TComboBox* SeriesValueFormat = nullptr;
    TButton* BFormat = nullptr;
    TGroupBox* GBInclude = nullptr;
    TCheckBox* CBIndex = nullptr;
    TCheckBox* CBLabels = nullptr;
    TCheckBox* CBHeader = nullptr;
    TCheckBox* CBColors = nullptr;
    TLabel* LabelDelim = nullptr;
    TComboBox* CBDelim = nullptr;
    TEdit* ECustom = nullptr;
    TLabel* LabelQuotes = nullptr;
    TEdit* EQuotes = nullptr;
    TPanel* PanelButtons = nullptr;
    TButton* BCopy = nullptr;
    TButton* BSave = nullptr;
    TButton* BSend = nullptr;
    TButton* BClose = nullptr;
    TSaveDialog* SaveDialogPicture = nullptr;
    TSaveDialog* SaveDialogData = nullptr;
    TSaveDialog* SaveDialogNative = nullptr;

protected:
    // Hooks of the subclass.
    // Prepares the Data tab: here it is hidden with "Include Series data".
    virtual void PrepareOnShow();
    // Whether the Data tab has something to export.
    virtual bool ExistData();
    // A new exporter of the Data tab's choices (the caller frees it); none here.
    virtual TSeriesData* CreateData();
    // A new memory stream of the Native tab's choices (the caller frees it).
    virtual TMemoryStream* CreateNativeStream();
    // Saves the panel natively to FileName in the chosen form.
    virtual void DoSaveNativeToFile(const String& FileName, bool IncludeData);

    void EnableButtons();
    // 0 Binary, 1 Text, 2 XML.
    int NativeFormat() const;
    String NativeExtension() const;

private:
    void FreeFormats();
    void ShowPictureSize();
    void ShowNativeSize();
    void TakeBoxSizes(TTeeExportFormat* Format) const;
    void SavePicture(const String& FileName);
    void SaveData(const String& FileName);
    void SaveNative(const String& FileName);
    void EnableDelimiter();
    void SetAspectFrom(bool FromWidth);

    bool ChangingSize = false;
    TStringList* Formats = nullptr;
    double IAspect = 0;
    String EmailName;
    String NativeFilter;
    String DataFilter;
};
