object BaseFunctionEditor: TBaseFunctionEditor
  Left = 0
  Top = 0
  Align = alClient
  Position = poScreenCenter
  ClientHeight = 213
  ClientWidth = 312
  Font.Height = -11
  Font.Name = 'Tahoma'
  OnCloseQuery = FormCloseQuery
  OnCreate = FormCreate
  OnShow = FormShow
end
