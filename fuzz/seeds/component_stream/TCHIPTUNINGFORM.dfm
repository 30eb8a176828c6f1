object ChipTuningForm: TChipTuningForm
  Left = 0
  Top = 0
  Caption = 'ORVO Tuning'
  ClientHeight = 428
  ClientWidth = 827
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OldCreateOrder = False
  ShowHint = True
  WindowState = wsMaximized
  OnCloseQuery = FormCloseQuery
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  OnResize = FormResize
  object PanelChart: TPanel
    Left = 0
    Top = 0
    Width = 827
    Height = 428
    Align = alClient
    BevelOuter = bvNone
    TabOrder = 0
    object StatusBarPro1: TStatusBarPro
      Left = 0
      Top = 394
      Width = 827
      Height = 34
      BorderWidth = 1
      Panels = <
        item
          Alignment = taCenter
          Color = clBtnFace
          Font.Charset = DEFAULT_CHARSET
          Font.Color = clBlack
          Font.Height = -16
          Font.Name = 'Segoe UI Semibold'
          Font.Style = [fsBold]
          Name = 'PanelStatus'
          ParentColor = False
          ParentFont = False
          Width = 200
          OnClick = PanelStatusClick
        end
        item
          Color = 16775152
          Font.Charset = DEFAULT_CHARSET
          Font.Color = clInfoText
          Font.Height = -16
          Font.Name = 'Segoe UI'
          Font.Style = [fsBold]
          Name = 'PanelMsgs'
          ParentColor = False
          ParentFont = False
          Width = 400
        end>
      ParentColor = False
      ParentFont = False
      UseSystemFont = False
    end
  end
  object TimerConnectionStatus: TTimer
    Interval = 200
    OnTimer = OnConnectionStatusTimer
  end
  object BtOpenThread: TXcThread
    Exclusive = True
    MaxCount = 0
    RunOnCreate = False
    FreeOnTerminate = True
    OnExecute = BtOpenThreadExecute
    OnFinish = BtOpenThreadFinish
  end
end
