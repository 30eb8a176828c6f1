object StringsEditor: TStringsEditor
  Left = 0
  Top = 0
  ActiveControl = Memo1
  BorderStyle = bsDialog
  Caption = 'Text Editor'
  ClientHeight = 258
  ClientWidth = 366
  Font.Height = -11
  Font.Name = 'Tahoma'
  KeyPreview = True
  Position = poScreenCenter
  object Memo1: TMemo
    Left = 0
    Top = 0
    Width = 366
    Height = 218
    Align = alClient
    ScrollBars = ssBoth
    TabOrder = 0
    WordWrap = False
  end
  object Panel1: TPanel
    Left = 0
    Top = 218
    Width = 366
    Height = 40
    Align = alBottom
    BevelOuter = bvNone
    TabOrder = 1
    object BCopy: TButton
      Left = 6
      Top = 8
      Width = 60
      Height = 25
      Caption = '&Copy'
      TabOrder = 0
      OnClick = BCopyClick
    end
    object BLoad: TButton
      Left = 70
      Top = 8
      Width = 60
      Height = 25
      Caption = '&Load..'
      TabOrder = 1
      OnClick = BLoadClick
    end
    object BSave: TButton
      Left = 134
      Top = 8
      Width = 60
      Height = 25
      Caption = '&Save...'
      TabOrder = 2
      OnClick = BSaveClick
    end
    object BOK: TButton
      Left = 206
      Top = 8
      Width = 75
      Height = 25
      Caption = 'OK'
      ModalResult = 1
      TabOrder = 3
    end
    object BCancel: TButton
      Left = 285
      Top = 8
      Width = 75
      Height = 25
      Cancel = True
      Caption = 'Cancel'
      Default = True
      ModalResult = 2
      TabOrder = 4
    end
  end
end
