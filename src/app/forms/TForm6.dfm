object Form6: TForm6
  Left = 0
  Top = 0
  Caption = 'Class Results'
  ClientHeight = 600
  ClientWidth = 1240
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OldCreateOrder = False
  Position = poMainFormCenter
  PixelsPerInch = 96
  TextHeight = 13
  object btnAddFolder: TButton
    Left = 8
    Top = 8
    Width = 120
    Height = 28
    Caption = 'Add Folder'#8230
    OnClick = btnAddFolderClick
  end
  object btnClear: TButton
    Left = 136
    Top = 8
    Width = 80
    Height = 28
    Caption = 'Clear'
    OnClick = btnClearClick
  end
  object btnStrikeHere: TButton
    Left = 224
    Top = 8
    Width = 150
    Height = 28
    Caption = 'The strike was here'
    OnClick = btnStrikeHereClick
  end
  object btnExport: TButton
    Left = 480
    Top = 8
    Width = 88
    Height = 28
    Caption = 'Export'#8230
    OnClick = btnExportClick
  end
  object imgClassMap: TImage
    Left = 8
    Top = 44
    Width = 560
    Height = 400
    Stretch = True
  end
  object lblHint: TLabel
    Left = 8
    Top = 450
    Width = 560
    Height = 16
    Caption = 'Add each group'#39's run folder, or one folder holding them.'
  end
  object lblFigures: TLabel
    Left = 8
    Top = 470
    Width = 560
    Height = 122
    WordWrap = True
    Caption = ''
  end
  object pnlTable: TPanel
    Left = 576
    Top = 8
    Width = 656
    Height = 584
    BevelOuter = bvNone
  end
  object dlgClassFolder: TFolderDialog
    Title = 'A group'#39's run folder, or a folder of them'
    Left = 40
    Top = 40
  end
  object dlgExport: TFolderDialog
    Title = 'Folder for class.csv and class-report.pdf'
    Left = 72
    Top = 40
  end
end
