object SLPenForm: TSLPenForm
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Pen'
  ClientHeight = 160
  ClientWidth = 219
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  Position = poOwnerFormCenter
  OldCreateOrder = False
  PixelsPerInch = 96
  TextHeight = 13
  object Panel1: TPanel
    Left = 8
    Top = 8
    Width = 41
    Height = 25
    BevelOuter = bvLowered
    object ColorPaintBox: TPaintBox
      Left = 1
      Top = 1
      Width = 39
      Height = 23
    end
  end
  object ColorButton: TButton
    Left = 56
    Top = 8
    Width = 75
    Height = 25
    Caption = '&Color...'
  end
  object Label1: TLabel
    Left = 8
    Top = 44
    Width = 60
    Height = 13
    Caption = '&Style'
  end
  object StyleComboBox: TComboBox
    Left = 56
    Top = 40
    Width = 155
    Height = 21
    Style = csDropDownList
  end
  object Label2: TLabel
    Left = 8
    Top = 72
    Width = 60
    Height = 13
    Caption = '&Mode'
  end
  object ModeComboBox: TComboBox
    Left = 56
    Top = 68
    Width = 155
    Height = 21
    Style = csDropDownList
  end
  object Label3: TLabel
    Left = 8
    Top = 100
    Width = 60
    Height = 13
    Caption = '&Width'
  end
  object WidthEdit: TEdit
    Left = 56
    Top = 96
    Width = 155
    Height = 21
  end
  object OkButton: TButton
    Left = 56
    Top = 128
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
  end
  object CancelButton: TButton
    Left = 136
    Top = 128
    Width = 75
    Height = 25
    Caption = 'Cancel'
    Cancel = True
  end
end
