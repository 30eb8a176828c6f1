object FormTeeGeneral: TFormTeeGeneral
  Left = 0
  Top = 0
  Align = alClient
  BorderStyle = bsNone
  ClientHeight = 230
  ClientWidth = 430
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnHide = FormHide
  OnShow = FormShow
  object PageControl1: TPageControl
    Left = 0
    Top = 0
    Width = 430
    Height = 230
    Align = alClient
    TabOrder = 18
    object TabZoom: TTabSheet
      Caption = 'Zoom'
      object CBAllowZoom: TCheckBox
        Left = 8
        Top = 8
        Width = 100
        Height = 17
        Caption = '&Allow'
        TabOrder = 0
        OnClick = CBAllowZoomClick
      end
      object CBAnimatedZoom: TCheckBox
        Left = 8
        Top = 28
        Width = 100
        Height = 17
        Caption = 'An&imated'
        TabOrder = 1
        OnClick = CBAnimatedZoomClick
      end
      object LSteps: TLabel
        Left = 8
        Top = 54
        Width = 60
        Height = 13
        Caption = '&Steps:'
        FocusControl = SEAniZoomSteps
      end
      object SEAniZoomSteps: TEdit
        Left = 98
        Top = 50
        Width = 40
        Height = 21
        Text = '8'
        TabOrder = 2
        OnChange = SEAniZoomStepsChange
      end
      object UDAniZoomSteps: TUpDown
        Left = 138
        Top = 50
        Width = 15
        Height = 21
        Associate = SEAniZoomSteps
        Min = 0
        Max = 100
        Position = 8
        TabOrder = 3
      end
      object BZoomPen: TButtonPen
        Left = 8
        Top = 80
        Width = 80
        Height = 25
        Caption = 'P&en...'
        TabOrder = 4
      end
      object BZoomColor: TButton
        Left = 96
        Top = 80
        Width = 80
        Height = 25
        Caption = 'P&attern...'
        TabOrder = 5
        OnClick = BZoomColorClick
      end
      object LMinPix: TLabel
        Left = 8
        Top = 116
        Width = 60
        Height = 13
        Caption = '&Minimum pixels:'
        FocusControl = EMinPix
      end
      object EMinPix: TEdit
        Left = 98
        Top = 112
        Width = 40
        Height = 21
        Text = '16'
        TabOrder = 6
        OnChange = EMinPixChange
      end
      object UDMinPix: TUpDown
        Left = 138
        Top = 112
        Width = 15
        Height = 21
        Associate = EMinPix
        Min = 0
        Max = 100
        Position = 16
        TabOrder = 7
      end
      object LDir: TLabel
        Left = 200
        Top = 12
        Width = 60
        Height = 13
        Caption = '&Direction:'
        FocusControl = CBDir
      end
      object CBDir: TComboFlat
        Left = 280
        Top = 8
        Width = 90
        Height = 21
        Style = csDropDownList
        Items.Strings = (
          'Horizontal'
          'Vertical'
          'Both')
        TabOrder = 8
        OnChange = CBDirChange
      end
      object LZoomMouse: TLabel
        Left = 200
        Top = 40
        Width = 60
        Height = 13
        Caption = 'M&ouse Button:'
        FocusControl = CBZoomMouse
      end
      object CBZoomMouse: TComboFlat
        Left = 280
        Top = 36
        Width = 90
        Height = 21
        Style = csDropDownList
        Items.Strings = (
          'Left'
          'Right'
          'Middle')
        TabOrder = 9
        OnChange = CBZoomMouseChange
      end
      object CBUpLeft: TCheckBox
        Left = 200
        Top = 66
        Width = 170
        Height = 17
        Caption = 'Zoom on &Up Left drag'
        TabOrder = 10
        OnClick = CBUpLeftClick
      end
    end
    object TabScroll: TTabSheet
      Caption = 'Scroll'
      object RGPanning: TRadioGroup
        Left = 8
        Top = 8
        Width = 140
        Height = 100
        Caption = 'Allow Scroll:'
        Items.Strings = (
          '&None'
          '&Horizontal'
          '&Vertical'
          '&Both')
        TabOrder = 11
        OnClick = RGPanningClick
      end
      object LScrollMouse: TLabel
        Left = 160
        Top = 12
        Width = 60
        Height = 13
        Caption = '&Mouse Button:'
        FocusControl = CBScrollMouse
      end
      object CBScrollMouse: TComboFlat
        Left = 240
        Top = 8
        Width = 90
        Height = 21
        Style = csDropDownList
        Items.Strings = (
          'Left'
          'Right'
          'Middle')
        TabOrder = 12
        OnChange = CBScrollMouseChange
      end
    end
    object TabCursor: TTabSheet
      Caption = 'Cursor'
      object LCursor: TLabel
        Left = 8
        Top = 12
        Width = 60
        Height = 13
        Caption = '&Cursor:'
        FocusControl = CBCursor
      end
      object CBCursor: TComboFlat
        Left = 60
        Top = 8
        Width = 130
        Height = 21
        Style = csDropDownList
        Sorted = True
        DropDownCount = 16
        TabOrder = 13
        OnChange = CBCursorChange
      end
      object GroupBox1: TGroupBox
        Left = 200
        Top = 4
        Width = 80
        Height = 70
        Caption = 'Preview:'
        TabOrder = 14
        object ImageCursor: TImage
          Left = 24
          Top = 20
          Width = 32
          Height = 32
        end
      end
      object BLoad: TButton
        Left = 60
        Top = 40
        Width = 75
        Height = 25
        Caption = '&Load...'
        Visible = False
        TabOrder = 15
        OnClick = BLoadClick
      end
    end
    object TabFonts: TTabSheet
      Caption = 'Fonts'
      object LBFonts: TListBox
        Left = 0
        Top = 0
        Width = 150
        Height = 200
        Align = alLeft
        BorderStyle = bsNone
        MultiSelect = True
        Sorted = True
        TabOrder = 16
        OnClick = LBFontsClick
      end
      object Splitter1: TSplitter
        Left = 150
        Top = 0
        Width = 3
        Height = 200
      end
      object PanelFont: TPanel
        Left = 153
        Top = 0
        Width = 270
        Height = 200
        Align = alClient
        BevelOuter = bvNone
        TabOrder = 17
      end
    end
  end
end
