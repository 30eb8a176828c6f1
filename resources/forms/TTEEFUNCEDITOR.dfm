inherited TeeFuncEditor: TTeeFuncEditor
  inherited Pan: TPanel
    inherited LLabel: TLabel
      Caption = '&Functions:'
    end
    inherited CBSources: TComboFlat
      Sorted = True
      OnChange = CBSourcesChange
    end
    object BEditFunction: TSpeedButton
      Left = 239
      Top = 5
      Width = 23
      Height = 22
      Caption = '...'
      OnClick = BEditFunctionClick
    end
  end
  object PageControl1: TPageControl
    Left = 0
    Top = 33
    Width = 420
    Height = 217
    Align = alClient
    TabOrder = 1
    object TabSource: TTabSheet
      Caption = 'Source Series'
      object PanSingle: TPanel
        Left = 0
        Top = 0
        Width = 412
        Height = 80
        Align = alTop
        BevelOuter = bvNone
        TabOrder = 0
        object LSingle: TLabel
          Left = 8
          Top = 12
          Width = 37
          Height = 13
          Caption = '&Series:'
          FocusControl = CBSingle
        end
        object CBSingle: TComboFlat
          Left = 70
          Top = 8
          Width = 165
          Height = 21
          Style = csDropDownList
          DropDownCount = 12
          TabOrder = 0
          OnChange = CBSingleChange
        end
        object BNone: TButton
          Left = 245
          Top = 6
          Width = 75
          Height = 25
          Caption = '&None'
          Enabled = False
          TabOrder = 1
          OnClick = BNoneClick
        end
        object LValues: TLabel
          Left = 8
          Top = 44
          Width = 37
          Height = 13
          Caption = '&Values:'
          FocusControl = CBValues
        end
        object CBValues: TComboFlat
          Left = 70
          Top = 40
          Width = 165
          Height = 21
          Style = csDropDownList
          Enabled = False
          TabOrder = 2
          OnChange = CBValuesChange
        end
      end
    end
    object TabOptions: TTabSheet
      Caption = 'Options'
    end
  end
  object TimerOptions: TTimer
    Enabled = False
    Interval = 1
    OnTimer = TimerOptionsTimer
  end
  object TimerSource: TTimer
    Enabled = False
    Interval = 1
    OnTimer = TimerSourceTimer
  end
end
