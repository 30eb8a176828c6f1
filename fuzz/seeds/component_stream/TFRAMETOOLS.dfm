object FrameTools: TFrameTools
  Left = 0
  Top = 0
  Width = 75
  Height = 560
  Font.Height = -11
  Font.Name = 'Tahoma'
  TabOrder = 0
  object PanelTools: TPanel
    Left = 0
    Top = 0
    Width = 75
    Height = 560
    Align = alLeft
    BevelOuter = bvNone
    TabOrder = 0
    object btnMap1: TXcSpeedButton
      Left = 0
      Top = 0
      Width = 75
      Height = 40
      Align = alTop
      Caption = 'Set Map 1'
      Tag = 1
      GroupIndex = 2
      AllowAllUp = True
      Down = True
      OnClick = btnMapClick
    end
    object btnMap2: TXcSpeedButton
      Left = 0
      Top = 40
      Width = 75
      Height = 40
      Align = alTop
      Caption = 'Set Map 2'
      Tag = 2
      GroupIndex = 2
      AllowAllUp = True
      OnClick = btnMapClick
    end
    object btnMap3: TXcSpeedButton
      Left = 0
      Top = 80
      Width = 75
      Height = 40
      Align = alTop
      Caption = 'Set Map 3'
      Tag = 3
      GroupIndex = 2
      AllowAllUp = True
      OnClick = btnMapClick
    end
    object btnMap4: TXcSpeedButton
      Left = 0
      Top = 120
      Width = 75
      Height = 40
      Align = alTop
      Caption = 'Set Map 4'
      Tag = 4
      GroupIndex = 2
      AllowAllUp = True
      Visible = False
      OnClick = btnMapClick
    end
    object btnTuningOn: TXcSpeedButton
      Left = 0
      Top = 160
      Width = 75
      Height = 40
      Align = alTop
      Hint = 'Tuning on/off'
      Caption = 'Tuning On'
      GroupIndex = 1
      AllowAllUp = True
      ParentShowHint = False
      ShowHint = True
      OnClick = btnTuningOnClick
    end
    object btnSettings: TButton
      Left = 0
      Top = 200
      Width = 75
      Height = 40
      Align = alTop
      Hint = 'Settings'
      ImageIndex = 6
      Images = ImageList1
      ParentShowHint = False
      ShowHint = True
      TabOrder = 0
      OnClick = btnSettingsClick
    end
    object btnLoad: TButton
      Left = 0
      Top = 240
      Width = 75
      Height = 40
      Align = alTop
      Hint = 'Open File'
      ImageIndex = 2
      Images = ImageList1
      ParentShowHint = False
      ShowHint = True
      TabOrder = 1
      OnClick = btnLoadClick
    end
    object btnSave: TButton
      Left = 0
      Top = 280
      Width = 75
      Height = 40
      Align = alTop
      Hint = 'Save File'
      ImageIndex = 3
      Images = ImageList1
      ParentShowHint = False
      ShowHint = True
      TabOrder = 2
      OnClick = btnSaveClick
    end
    object btnClear: TButton
      Left = 0
      Top = 320
      Width = 75
      Height = 40
      Align = alTop
      Hint = 'Delete Channels'
      ImageIndex = 4
      Images = ImageList1
      ParentShowHint = False
      ShowHint = True
      TabOrder = 3
      OnClick = btnClearClick
    end
    object btnPressure: TButton
      Left = 0
      Top = 360
      Width = 75
      Height = 40
      Align = alTop
      Caption = 'Pressure'
      Visible = False
      TabOrder = 4
    end
    object btnMoveL2R2L: TButton
      Left = 0
      Top = 400
      Width = 75
      Height = 40
      Align = alTop
      Hint = 'Swap Channels'
      ImageIndex = 5
      Images = ImageList1
      ParentShowHint = False
      ShowHint = True
      TabOrder = 5
      OnClick = btnMoveL2R2LClick
    end
    object btnMoveL2R: TButton
      Left = 0
      Top = 440
      Width = 75
      Height = 40
      Align = alTop
      Hint = 'Copy to Right'
      ImageIndex = 1
      Images = ImageList1
      ParentShowHint = False
      ShowHint = True
      TabOrder = 6
      OnClick = btnMoveL2RClick
    end
    object btnMoveR2L: TButton
      Left = 0
      Top = 480
      Width = 75
      Height = 40
      Align = alTop
      Hint = 'Copy to Left'
      ImageIndex = 0
      Images = ImageList1
      ParentShowHint = False
      ShowHint = True
      TabOrder = 7
      OnClick = btnMoveR2LClick
    end
    object btnEdit: TButton
      Left = 0
      Top = 520
      Width = 75
      Height = 40
      Align = alTop
      Caption = '&Edit...'
      Visible = False
      TabOrder = 8
    end
  end
  object OpenDialog1: TOpenDialog
  end
  object SaveDialog1: TSaveDialog
    Options = [ofOverwritePrompt, ofHideReadOnly, ofEnableSizing]
  end
  object BypassTimer: TTimer
    OnTimer = BypassTimerTimer
  end
  object ImageList1: TImageList
    Height = 32
    Width = 32
    ResourceNames.Strings = (
      'ToolsCopyToLeft'
      'ToolsCopyToRight'
      'ToolsOpen'
      'ToolsSave'
      'ToolsDelete'
      'ToolsSwap'
      'ToolsSettings')
  end
end
