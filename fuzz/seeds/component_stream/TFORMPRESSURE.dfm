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
  inline FramePressure1: TFramePressure
    Left = 0
    Top = 0
    Width = 350
    Height = 541
    Align = alClient
    TabOrder = 1
    inherited Panel2: TPanel
      inherited PressureUnits: TRadioGroup
        Caption = 'Pressure Type'
      end
    end
    inherited Chart1: TChart
      inherited Series1: TCircularGauge
        Face.Transparent = True
        Hand.VertSize = 88
      end
    end
  end
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
