object ChartEditForm: TChartEditForm
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu]
  Caption = 'ChartEditForm'
  ClientHeight = 320
  ClientWidth = 535
  Font.Height = -11
  Font.Name = 'Tahoma'
  HelpContext = 726
  KeyPreview = True
  Position = poScreenCenter
  OnCloseQuery = FormCloseQuery
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  OnResize = FormResize
  OnShow = FormShow
  object TreeSplitter: TSplitter
    Left = 126
    Top = 0
    Width = 3
    Height = 283
    Visible = False
  end
  object Tree: TTreeView
    Left = 0
    Top = 0
    Width = 126
    Height = 283
    Align = alLeft
    HideSelection = False
    ReadOnly = True
    TabOrder = 2
    Visible = False
    OnChange = TreeChange
  end
  object MainPage: TPageControl
    Left = 0
    Top = 0
    Width = 535
    Height = 283
    Align = alClient
    TabOrder = 0
    OnChange = MainPageChange
    OnChanging = MainPageChanging
    object TabChart: TTabSheet
      Caption = 'Chart'
      object SubPage: TPageControl
        Left = 0
        Top = 0
        Width = 527
        Height = 255
        Align = alClient
        TabOrder = 0
        OnChange = SubPageChange
        object TabSeriesList: TTabSheet
          Caption = 'Series'
          object PanRight: TPanel
            Left = 436
            Top = 0
            Width = 83
            Height = 227
            Align = alRight
            BevelOuter = bvNone
            TabOrder = 1
            object BMoveUP: TSpeedButton
              Left = 10
              Top = 4
              Width = 25
              Height = 25
              Enabled = False
              OnClick = BMoveUPClick
            end
            object BMoveDown: TSpeedButton
              Left = 44
              Top = 4
              Width = 25
              Height = 25
              Enabled = False
              OnClick = BMoveDownClick
            end
            object BAddSeries: TButton
              Left = 4
              Top = 36
              Width = 75
              Height = 25
              HelpContext = 1716
              Caption = '&Add...'
              TabOrder = 0
              OnClick = BAddSeriesClick
            end
            object BDeleteSeries: TButton
              Left = 4
              Top = 68
              Width = 75
              Height = 25
              HelpContext = 1717
              Caption = '&Delete'
              TabOrder = 1
              OnClick = BDeleteSeriesClick
            end
            object BRenameSeries: TButton
              Left = 4
              Top = 100
              Width = 75
              Height = 25
              HelpContext = 1718
              Caption = '&Title...'
              TabOrder = 2
              OnClick = BRenameSeriesClick
            end
            object BCloneSeries: TButton
              Left = 4
              Top = 132
              Width = 75
              Height = 25
              HelpContext = 1719
              Caption = 'C&lone'
              TabOrder = 3
              OnClick = BCloneSeriesClick
            end
            object BChangeTypeSeries: TButton
              Left = 4
              Top = 164
              Width = 75
              Height = 25
              HelpContext = 1720
              Caption = '&Change...'
              TabOrder = 4
              OnClick = BChangeTypeSeriesClick
            end
          end
          object PanelGroups: TPanel
            Left = 0
            Top = 0
            Width = 100
            Height = 227
            Align = alLeft
            BevelOuter = bvNone
            TabOrder = 2
            Visible = False
            object Groups: TCheckListBox
              Left = 0
              Top = 0
              Width = 100
              Height = 227
              Align = alClient
              ItemHeight = 13
              TabOrder = 0
              OnClick = GroupsClick
              OnClickCheck = GroupsClickCheck
              OnDragDrop = GroupsDragDrop
              OnDragOver = GroupsDragOver
            end
          end
          object PanLeft: TPanel
            Left = 100
            Top = 0
            Width = 336
            Height = 227
            Align = alClient
            BevelOuter = bvNone
            TabOrder = 0
            object PanTop: TPanel
              Left = 0
              Top = 0
              Width = 336
              Height = 29
              Align = alTop
              BevelOuter = bvNone
              TabOrder = 0
              object BAddGroup: TSpeedButton
                Left = 2
                Top = 2
                Width = 25
                Height = 25
                Hint = 'Add new group'
                Caption = '+'
                Visible = False
                OnClick = BAddGroupClick
              end
              object BDeleteGroup: TSpeedButton
                Left = 28
                Top = 2
                Width = 25
                Height = 25
                Caption = '-'
                Enabled = False
                Visible = False
                OnClick = BDeleteGroupClick
              end
              object BRenameGroup: TSpeedButton
                Left = 54
                Top = 2
                Width = 25
                Height = 25
                Caption = '...'
                Enabled = False
                Visible = False
                OnClick = BRenameGroupClick
              end
              object SpeedSeries: TSpeedButton
                Left = 256
                Top = 2
                Width = 78
                Height = 25
                AllowAllUp = True
                Anchors = [akTop, akRight]
                Caption = 'View'
                GroupIndex = 1
                Visible = False
                OnClick = SpeedSeriesClick
              end
            end
            object LBSeries: TChartListBox
              Left = 0
              Top = 29
              Width = 336
              Height = 198
              Align = alClient
              TabOrder = 1
              OnClick = LBSeriesClick
              OnDblClickSeries = LBSeriesEditSeries
              OnOtherItemsChange = LBSeriesOtherItemsChange
              OnRefresh = LBSeriesRefreshButtons
              OnRemovedSeries = LBSeriesRemovedSeries
            end
          end
        end
        object TabGeneral: TTabSheet
          Caption = 'General'
        end
        object TabAxis: TTabSheet
          Caption = 'Axis'
        end
        object TabTitle: TTabSheet
          Caption = 'Titles'
        end
        object TabLegend: TTabSheet
          Caption = 'Legend'
        end
        object TabPanel: TTabSheet
          Caption = 'Panel'
        end
        object TabPaging: TTabSheet
          Caption = 'Paging'
        end
        object TabWalls: TTabSheet
          Caption = 'Walls'
        end
        object Tab3D: TTabSheet
          Caption = '3D'
        end
      end
    end
    object TabSeries: TTabSheet
      Caption = 'Series'
    end
    object TabData: TTabSheet
      Caption = 'Data'
      object PanData: TPanel
        Left = 0
        Top = 0
        Width = 527
        Height = 29
        Align = alTop
        BevelOuter = bvNone
        TabOrder = 0
        object SBGridText: TSpeedButton
          Left = 4
          Top = 2
          Width = 25
          Height = 25
          Hint = 'Show labels'
          AllowAllUp = True
          Caption = 'T'
          GroupIndex = 1
          ParentShowHint = False
          ShowHint = True
          OnClick = SBGridTextClick
        end
        object SBGridCol: TSpeedButton
          Left = 30
          Top = 2
          Width = 25
          Height = 25
          Hint = 'Show colors'
          AllowAllUp = True
          Caption = 'C'
          GroupIndex = 2
          ParentShowHint = False
          ShowHint = True
          OnClick = SBGridColClick
        end
        object SBGrid3D: TSpeedButton
          Left = 56
          Top = 2
          Width = 25
          Height = 25
          Hint = 'XYZ series'
          AllowAllUp = True
          Caption = 'Z'
          GroupIndex = 3
          ParentShowHint = False
          ShowHint = True
          OnClick = SBGrid3DClick
        end
        object SBGridX: TSpeedButton
          Left = 82
          Top = 2
          Width = 25
          Height = 25
          Hint = 'Show X values'
          AllowAllUp = True
          Caption = 'X'
          GroupIndex = 4
          ParentShowHint = False
          ShowHint = True
          OnClick = SBGridXClick
        end
        object SBCopyData: TSpeedButton
          Left = 108
          Top = 2
          Width = 25
          Height = 25
          Hint = 'Copy'
          Caption = 'Cp'
          ParentShowHint = False
          ShowHint = True
          OnClick = SBCopyDataClick
        end
        object ChartGridNavigator1: TChartGridNavigator
          Left = 144
          Top = 2
          Width = 200
          Height = 25
          Grid = ChartGrid1
          TabOrder = 0
        end
      end
      object ChartGrid1: TChartGrid
        Left = 0
        Top = 29
        Width = 527
        Height = 226
        Align = alClient
        PopupMenu = PopupData
        ShowColors = True
        TabOrder = 1
        OnMouseDown = ChartGrid1MouseDown
      end
    end
    object TabTools: TTabSheet
      Caption = 'Tools'
    end
    object TabExport: TTabSheet
      Caption = 'Export'
    end
    object TabPrint: TTabSheet
      Caption = 'Print'
    end
  end
  object PanBottom: TPanel
    Left = 0
    Top = 283
    Width = 535
    Height = 37
    Align = alBottom
    BevelOuter = bvNone
    TabOrder = 1
    object ButtonHelp: TButton
      Left = 4
      Top = 6
      Width = 75
      Height = 25
      Caption = '&Help...'
      TabOrder = 0
      OnClick = ButtonHelpClick
    end
    object BClose: TButton
      Left = 456
      Top = 6
      Width = 75
      Height = 25
      Anchors = [akTop, akRight]
      Cancel = True
      Caption = 'Close'
      Default = True
      ModalResult = 2
      TabOrder = 1
      OnClick = BCloseClick
    end
  end
  object PopupData: TPopupMenu
    OnPopup = PopupDataPopup
    object EditColor1: TMenuItem
      Caption = '&Edit Color...'
      OnClick = EditColor1Click
    end
    object DefaultColor1: TMenuItem
      Caption = 'Default &Color'
      OnClick = DefaultColor1Click
    end
    object MakeNull1: TMenuItem
      Caption = 'Make &null point'
      OnClick = MakeNull1Click
    end
    object N1: TMenuItem
      Caption = '-'
    end
    object AppendRow1: TMenuItem
      Caption = '&Append row'
      OnClick = AppendRow1Click
    end
    object DeleteRow1: TMenuItem
      Caption = '&Delete row'
      OnClick = DeleteRow1Click
    end
    object N2: TMenuItem
      Caption = '-'
    end
    object TextFont1: TMenuItem
      Caption = '&Text font...'
      OnClick = TextFont1Click
    end
  end
  object PopupSeries: TPopupMenu
    object ViewNames1: TMenuItem
      Caption = 'View Series &Names'
      OnClick = ViewNames1Click
    end
    object ViewGroups1: TMenuItem
      Caption = 'View Series &Groups'
      OnClick = ViewGroups1Click
    end
  end
end
