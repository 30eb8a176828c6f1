object BenchForm: TBenchForm
  Left = 0
  Top = 0
  Caption = 'Start-up'
  ClientHeight = 560
  ClientWidth = 780
  object PanelTop: TPanel
    Left = 0
    Top = 0
    Width = 780
    Height = 60
    Align = alTop
    TabOrder = 0
    object Label1: TLabel
      Left = 8
      Top = 8
      Width = 100
      Height = 13
      Caption = 'Channel 1'
    end
    object Label2: TLabel
      Left = 128
      Top = 8
      Width = 100
      Height = 13
      Caption = 'Channel 2'
    end
    object Label3: TLabel
      Left = 248
      Top = 8
      Width = 100
      Height = 13
      Caption = 'Channel 3'
    end
    object Label4: TLabel
      Left = 368
      Top = 8
      Width = 100
      Height = 13
      Caption = 'Channel 4'
    end
    object Label5: TLabel
      Left = 488
      Top = 8
      Width = 100
      Height = 13
      Caption = 'Channel 5'
    end
    object Label6: TLabel
      Left = 608
      Top = 8
      Width = 100
      Height = 13
      Caption = 'Channel 6'
    end
    object Button1: TButton
      Left = 8
      Top = 28
      Width = 100
      Height = 25
      Caption = 'Action 1'
      TabOrder = 0
    end
    object Button2: TButton
      Left = 128
      Top = 28
      Width = 100
      Height = 25
      Caption = 'Action 2'
      TabOrder = 1
    end
    object Button3: TButton
      Left = 248
      Top = 28
      Width = 100
      Height = 25
      Caption = 'Action 3'
      TabOrder = 2
    end
    object Button4: TButton
      Left = 368
      Top = 28
      Width = 100
      Height = 25
      Caption = 'Action 4'
      TabOrder = 3
    end
    object Button5: TButton
      Left = 488
      Top = 28
      Width = 100
      Height = 25
      Caption = 'Action 5'
      TabOrder = 4
    end
    object Button6: TButton
      Left = 608
      Top = 28
      Width = 100
      Height = 25
      Caption = 'Action 6'
      TabOrder = 5
    end
  end
  object PanelLeft: TPanel
    Left = 0
    Top = 60
    Width = 200
    Height = 500
    Align = alLeft
    TabOrder = 1
    object EditLabel1: TLabel
      Left = 8
      Top = 10
      Width = 80
      Height = 13
      Caption = 'Value 1'
    end
    object Edit1: TEdit
      Left = 8
      Top = 26
      Width = 180
      Height = 21
      TabOrder = 0
      Text = '0.0'
    end
    object EditLabel2: TLabel
      Left = 8
      Top = 60
      Width = 80
      Height = 13
      Caption = 'Value 2'
    end
    object Edit2: TEdit
      Left = 8
      Top = 76
      Width = 180
      Height = 21
      TabOrder = 1
      Text = '1.5'
    end
    object EditLabel3: TLabel
      Left = 8
      Top = 110
      Width = 80
      Height = 13
      Caption = 'Value 3'
    end
    object Edit3: TEdit
      Left = 8
      Top = 126
      Width = 180
      Height = 21
      TabOrder = 2
      Text = '3.0'
    end
    object EditLabel4: TLabel
      Left = 8
      Top = 160
      Width = 80
      Height = 13
      Caption = 'Value 4'
    end
    object Edit4: TEdit
      Left = 8
      Top = 176
      Width = 180
      Height = 21
      TabOrder = 3
      Text = '4.5'
    end
    object EditLabel5: TLabel
      Left = 8
      Top = 210
      Width = 80
      Height = 13
      Caption = 'Value 5'
    end
    object Edit5: TEdit
      Left = 8
      Top = 226
      Width = 180
      Height = 21
      TabOrder = 4
      Text = '6.0'
    end
    object EditLabel6: TLabel
      Left = 8
      Top = 260
      Width = 80
      Height = 13
      Caption = 'Value 6'
    end
    object Edit6: TEdit
      Left = 8
      Top = 276
      Width = 180
      Height = 21
      TabOrder = 5
      Text = '7.5'
    end
    object EditLabel7: TLabel
      Left = 8
      Top = 310
      Width = 80
      Height = 13
      Caption = 'Value 7'
    end
    object Edit7: TEdit
      Left = 8
      Top = 326
      Width = 180
      Height = 21
      TabOrder = 6
      Text = '9.0'
    end
    object EditLabel8: TLabel
      Left = 8
      Top = 360
      Width = 80
      Height = 13
      Caption = 'Value 8'
    end
    object Edit8: TEdit
      Left = 8
      Top = 376
      Width = 180
      Height = 21
      TabOrder = 7
      Text = '10.5'
    end
  end
  object PageControl1: TPageControl
    Left = 200
    Top = 60
    Width = 580
    Height = 500
    ActivePage = TabSheet1
    Align = alClient
    TabOrder = 2
    object TabSheet1: TTabSheet
      Caption = 'Points'
      object Grid1: TStringGrid
        Left = 0
        Top = 0
        Width = 572
        Height = 440
        Align = alClient
        ColCount = 4
        RowCount = 40
        TabOrder = 0
      end
      object PanelGridButtons: TPanel
        Left = 0
        Top = 440
        Width = 572
        Height = 32
        Align = alBottom
        TabOrder = 1
        object GridButton1: TButton
          Left = 4
          Top = 4
          Width = 85
          Height = 24
          Caption = 'Grid 1'
          TabOrder = 0
        end
        object GridButton2: TButton
          Left = 94
          Top = 4
          Width = 85
          Height = 24
          Caption = 'Grid 2'
          TabOrder = 1
        end
        object GridButton3: TButton
          Left = 184
          Top = 4
          Width = 85
          Height = 24
          Caption = 'Grid 3'
          TabOrder = 2
        end
        object GridButton4: TButton
          Left = 274
          Top = 4
          Width = 85
          Height = 24
          Caption = 'Grid 4'
          TabOrder = 3
        end
      end
    end
    object TabSheet2: TTabSheet
      Caption = 'Settings'
      object SettingsPanel1: TPanel
        Left = 0
        Top = 0
        Width = 572
        Height = 60
        Align = alTop
        Caption = 'Group 1'
        TabOrder = 0
      end
      object SettingsPanel2: TPanel
        Left = 0
        Top = 60
        Width = 572
        Height = 60
        Align = alTop
        Caption = 'Group 2'
        TabOrder = 1
      end
      object SettingsPanel3: TPanel
        Left = 0
        Top = 120
        Width = 572
        Height = 60
        Align = alTop
        Caption = 'Group 3'
        TabOrder = 2
      end
    end
  end
end
