object FormPressure: TFormPressure
  BorderIcons = [biSystemMenu]
  Caption = 'Pressure'
  ClientHeight = 582
  ClientWidth = 350
  Font.Height = -11
  Font.Name = 'Tahoma'
  FormStyle = fsStayOnTop
  Position = poOwnerFormCenter
  OnClose = FormClose
  OnCreate = FormCreate
  OnShow = FormShow
  object Panel1: TPanel
    Left = 0
    Top = 541
    Width = 350
    Height = 41
    Align = alBottom
    TabOrder = 0
    Visible = False
    object OK: TButton
      Left = 184
      Top = 8
      Width = 75
      Height = 25
      Caption = 'OK'
      ModalResult = 1
      TabOrder = 0
    end
    object Cancel: TButton
      Left = 267
      Top = 8
      Width = 75
      Height = 25
      Caption = 'Cancel'
      ModalResult = 2
      TabOrder = 1
    end
  end
end
