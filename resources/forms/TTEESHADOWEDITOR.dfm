object TeeShadowEditor: TTeeShadowEditor
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Shadow editor'
  ClientHeight = 196
  ClientWidth = 300
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnShow = FormShow
  object Label3: TLabel
    Left = 8
    Top = 100
    Width = 72
    Height = 13
    Caption = '&Transparency:'
    FocusControl = EShadowTransp
  end
  object Label4: TLabel
    Left = 8
    Top = 166
    Width = 26
    Height = 13
    Caption = '&Blur:'
    FocusControl = TBBlur
  end
  object CBVisible: TCheckBox
    Left = 8
    Top = 8
    Width = 100
    Height = 17
    Caption = '&Visible'
    TabOrder = 0
    OnClick = CBVisibleClick
  end
  object GroupBox1: TGroupBox
    Left = 8
    Top = 30
    Width = 160
    Height = 62
    Caption = 'Size:'
    TabOrder = 1
    object Label1: TLabel
      Left = 8
      Top = 18
      Width = 32
      Height = 13
      Caption = '&Horiz:'
      FocusControl = Edit1
    end
    object Label2: TLabel
      Left = 8
      Top = 40
      Width = 26
      Height = 13
      Caption = 'V&ert:'
      FocusControl = EVertSize
    end
    object Edit1: TEdit
      Left = 60
      Top = 14
      Width = 56
      Height = 21
      TabOrder = 0
      Text = '0'
      OnChange = Edit1Change
    end
    object UDHoriz: TUpDown
      Left = 116
      Top = 14
      Width = 16
      Height = 21
      Associate = Edit1
      Max = 1000
      Min = -1000
      Thousands = False
      TabOrder = 1
    end
    object EVertSize: TEdit
      Left = 60
      Top = 36
      Width = 56
      Height = 21
      TabOrder = 2
      Text = '0'
      OnChange = EVertSizeChange
    end
    object UDVert: TUpDown
      Left = 116
      Top = 36
      Width = 16
      Height = 21
      Associate = EVertSize
      Max = 1000
      Min = -1000
      Thousands = False
      TabOrder = 3
    end
  end
  object EShadowTransp: TEdit
    Left = 90
    Top = 96
    Width = 40
    Height = 21
    TabOrder = 2
    Text = '0'
    OnChange = EShadowTranspChange
  end
  object UDTransp: TUpDown
    Left = 130
    Top = 96
    Width = 16
    Height = 21
    Associate = EShadowTransp
    Thousands = False
    TabOrder = 3
  end
  object BShadowColor: TButtonColor
    Left = 184
    Top = 36
    Width = 100
    Height = 25
    Caption = '&Color...'
    TabOrder = 4
    OnClick = BShadowColorClick
  end
  object TBColor: TTrackBar
    Left = 184
    Top = 66
    Width = 106
    Height = 26
    Max = 240
    LineSize = 5
    PageSize = 20
    Frequency = 20
    TabOrder = 5
    OnChange = TBColorChange
  end
  object CBSmooth: TCheckBox
    Left = 8
    Top = 132
    Width = 90
    Height = 17
    Caption = '&Smooth'
    Checked = True
    State = cbChecked
    TabOrder = 6
    OnClick = CBSmoothClick
  end
  object CBClip: TCheckBox
    Left = 110
    Top = 132
    Width = 80
    Height = 17
    Caption = 'Cl&ip'
    TabOrder = 7
    OnClick = CBClipClick
  end
  object TBBlur: TTrackBar
    Left = 44
    Top = 158
    Width = 150
    Height = 26
    Max = 75
    Min = -75
    PageSize = 10
    Frequency = 15
    TabOrder = 8
    OnChange = TBBlurChange
  end
  object BOK: TButton
    Left = 214
    Top = 160
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 9
    Visible = False
  end
end
