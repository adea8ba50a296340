object Form5: TForm5
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Pulse Velocity'
  ClientHeight = 400
  ClientWidth = 600
  Color = clSilver
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OldCreateOrder = False
  Position = poMainFormCenter
  PixelsPerInch = 96
  TextHeight = 13
  object Label1: TLabel
    Left = 8
    Top = 11
    Width = 60
    Height = 13
    Caption = 'Struck at  x'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -11
    Font.Name = 'Tahoma'
    Font.Style = [fsBold]
  end
  object txtStrikeX: TEdit
    Left = 80
    Top = 8
    Width = 55
    Height = 21
    Hint = 'Marked with Strike here, or measured with a ruler'
    TabOrder = 0
  end
  object Label2: TLabel
    Left = 142
    Top = 11
    Width = 8
    Height = 13
    Caption = 'y'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -11
    Font.Name = 'Tahoma'
    Font.Style = [fsBold]
  end
  object txtStrikeY: TEdit
    Left = 154
    Top = 8
    Width = 55
    Height = 21
    TabOrder = 1
  end
  object Label3: TLabel
    Left = 215
    Top = 11
    Width = 20
    Height = 13
    Caption = 'mm'
  end
  object btnAddStrike: TButton
    Left = 250
    Top = 6
    Width = 100
    Height = 25
    Caption = 'Add Strike'
    TabOrder = 2
    OnClick = btnAddStrikeClick
  end
  object cmbStrikes: TComboBox
    Left = 8
    Top = 40
    Width = 476
    Height = 21
    Style = csDropDownList
    TabOrder = 3
  end
  object btnRemove: TButton
    Left = 492
    Top = 38
    Width = 100
    Height = 25
    Caption = 'Remove'
    Enabled = False
    TabOrder = 4
    OnClick = btnRemoveClick
  end
  object Panel1: TPanel
    Left = 8
    Top = 72
    Width = 584
    Height = 284
    BevelOuter = bvLowered
    Color = clGray
    TabOrder = 5
    object lblFigures: TLabel
      Left = 8
      Top = 6
      Width = 568
      Height = 272
      AutoSize = False
      WordWrap = True
      Caption = 'Strike at a known point, record one or both pairs, then press Add Strike.'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWhite
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = []
    end
  end
  object btnUseVelocity: TButton
    Left = 8
    Top = 366
    Width = 584
    Height = 27
    Caption = 'Use this velocity'
    Enabled = False
    TabOrder = 6
    OnClick = btnUseVelocityClick
  end
end
